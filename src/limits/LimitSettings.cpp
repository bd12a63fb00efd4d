#include "limits/LimitSettings.h"

#include "platform/SettingsStore.h"

namespace zk {
namespace {

constexpr char kApplication[] = "Sitclock";
constexpr char kLimits[] = "Limits";
constexpr char kOptions[] = "LimitOptions";
constexpr char kNotices[] = "LimitNotices";

std::string Read(const char *section, const std::string &key)
{
    return CurrentSettings().Read(kApplication, section, key, "");
}

void Write(const char *section, const std::string &key, const std::string &value)
{
    CurrentSettings().Write(kApplication, section, key, value);
}

} // namespace

UserLimits LimitSettings::Of(const std::string &user)
{
    return UserLimits::Parse(Read(kLimits, user));
}

void LimitSettings::Set(const std::string &user, const UserLimits &limits)
{
    Write(kLimits, user, limits.Any() ? limits.ToText() : "");
}

void LimitSettings::Forget(const std::string &user)
{
    if (!Read(kLimits, user).empty())
        Write(kLimits, user, "");
    if (!Read(kNotices, user).empty())
        Write(kNotices, user, "");
}

std::int32_t LimitSettings::WarningMinutes()
{
    return UserLimits::ParseMinutes(Read(kOptions, "WarningMinutes"))
        .value_or(kDefaultWarningMinutes);
}

void LimitSettings::SetWarningMinutes(std::int32_t minutes)
{
    Write(kOptions, "WarningMinutes", std::to_string(minutes));
}

LimitSettings::Notice LimitSettings::Given(const std::string &user, const CalendarDay &day)
{
    const std::string text = Read(kNotices, user);
    const std::string prefix = day.ToText() + " ";
    if (text.rfind(prefix, 0) != 0)
        return Notice::None; // another day's, or nonsense
    const std::string what = text.substr(prefix.size());
    if (what == "alarm")
        return Notice::Alarm;
    return what == "warning" ? Notice::Warning : Notice::None;
}

void LimitSettings::MarkGiven(const std::string &user, const CalendarDay &day, Notice notice)
{
    const char *what = notice == Notice::Alarm ? "alarm" : "warning";
    Write(kNotices, user, notice == Notice::None ? "" : day.ToText() + " " + what);
}

std::string LimitSettings::PinHash()
{
    return Read(kOptions, "PinHash");
}

void LimitSettings::SetPinHash(const std::string &hash)
{
    Write(kOptions, "PinHash", hash);
}

} // namespace zk
