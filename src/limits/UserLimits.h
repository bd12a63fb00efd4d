#pragma once

#include "time/CalendarDay.h"

#include <cstdint>
#include <optional>
#include <string>

namespace zk {

// One user's daily limits: one for Monday to Friday, one for Saturday and
// Sunday, in minutes, each possibly absent ("no limit"), and whether the
// session locks when the time is up.
struct UserLimits
{
    static constexpr std::int32_t kMostMinutes = 24 * 60;

    std::optional<std::int32_t> schoolDayMinutes;
    std::optional<std::int32_t> weekendMinutes;
    bool lockWhenUp = false;

    bool operator==(const UserLimits &) const = default;

    bool Any() const { return schoolDayMinutes || weekendMinutes; }
    // The limit in seconds on day, or nothing when that day has none.
    std::optional<std::int32_t> SecondsOn(const CalendarDay &day) const;

    // The settings value: "<school day>,<weekend>,<lock>", minutes or "-",
    // lock "1" or "0". Whatever a hand edit made of it reads field by field:
    // a field that is no whole number of minutes from 0 to a day is no limit,
    // a lock field other than "1" is off.
    std::string ToText() const;
    static UserLimits Parse(const std::string &text);
    // Whole minutes from 0 to kMostMinutes, written as digits only; nothing otherwise.
    static std::optional<std::int32_t> ParseMinutes(const std::string &field);
};

} // namespace zk
