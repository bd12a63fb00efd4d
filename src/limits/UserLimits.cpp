#include "limits/UserLimits.h"

#include <vector>

namespace zk {
namespace {

std::string MinutesText(const std::optional<std::int32_t> &minutes)
{
    return minutes ? std::to_string(*minutes) : "-";
}

// The fields between commas, without the spaces around them: a settings file
// edited by hand reads "60,120,1" as "60, 120, 1".
std::vector<std::string> Fields(const std::string &text)
{
    std::vector<std::string> out(1);
    for (char c : text) {
        if (c == ',')
            out.emplace_back();
        else if (c != ' ' || !out.back().empty())
            out.back() += c;
    }
    for (std::string &field : out)
        field.erase(field.find_last_not_of(' ') + 1);
    return out;
}

} // namespace

std::optional<std::int32_t> UserLimits::ParseMinutes(const std::string &field)
{
    if (field.empty() || field.size() > 4)
        return std::nullopt;
    std::int32_t value = 0;
    for (char c : field) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
    }
    if (value > UserLimits::kMostMinutes)
        return std::nullopt;
    return value;
}

std::optional<std::int32_t> UserLimits::SecondsOn(const CalendarDay &day) const
{
    const std::optional<std::int32_t> &minutes
        = day.DayInWeek() >= 6 ? weekendMinutes : schoolDayMinutes;
    if (!minutes)
        return std::nullopt;
    return *minutes * 60;
}

std::string UserLimits::ToText() const
{
    return MinutesText(schoolDayMinutes) + "," + MinutesText(weekendMinutes) + ","
           + (lockWhenUp ? "1" : "0");
}

UserLimits UserLimits::Parse(const std::string &text)
{
    const std::vector<std::string> fields = Fields(text);
    if (fields.size() != 3)
        return {};
    return {ParseMinutes(fields[0]), ParseMinutes(fields[1]), fields[2] == "1"};
}

} // namespace zk
