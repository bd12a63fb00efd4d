#pragma once

#include "limits/UserLimits.h"

#include <cstdint>
#include <string>

namespace zk {

// The limits in the settings beside the user list ("Sitclock"): one key per
// user in the section "Limits", the warning's minutes and the parent's PIN
// hash in "LimitOptions", and what was told today in "LimitNotices" (one key
// per user, "YYYY-MM-DD warning" or "YYYY-MM-DD alarm"), so that a warning and
// an alarm come once a day, also across a restart. Writes raise
// zk::SettingsError.
class LimitSettings
{
public:
    static constexpr std::int32_t kDefaultWarningMinutes = 10;

    static UserLimits Of(const std::string &user);
    static void Set(const std::string &user, const UserLimits &limits);
    // A user removed from the list loses their limits.
    static void Forget(const std::string &user);

    // Minutes before the limit at which the warning comes; 0 is no warning.
    static std::int32_t WarningMinutes();
    static void SetWarningMinutes(std::int32_t minutes);

    enum class Notice { None, Warning, Alarm };
    // The furthest notice given to user on day (an alarm implies the warning).
    static Notice Given(const std::string &user, const CalendarDay &day);
    static void MarkGiven(const std::string &user, const CalendarDay &day, Notice notice);

    // The stored hash of the parent's PIN, empty when none is set.
    static std::string PinHash();
    static void SetPinHash(const std::string &hash);
};

} // namespace zk
