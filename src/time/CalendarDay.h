#pragma once

#include "platform/Clock.h"

#include <chrono>
#include <compare>
#include <cstdint>
#include <optional>
#include <string>

namespace zk {

// A real calendar day (year 1 to 32767), the unit in which totals are counted.
struct CalendarDay
{
    std::int32_t year = 0;
    std::int32_t month = 1;
    std::int32_t day = 1;

    auto operator<=>(const CalendarDay &) const = default;

    // The day of the fields, or nothing when they name no real day (end not
    // set, month 13, 30 February...): the clock's "today" can never equal
    // such fields.
    static std::optional<CalendarDay> FromFields(std::int32_t year, std::int32_t month,
                                                 std::int32_t day);
    static std::optional<CalendarDay> Of(const LocalDateTime &t)
    {
        return FromFields(t.year, t.month, t.day);
    }
    // "YYYY-MM-DD" with a real day, or nothing.
    static std::optional<CalendarDay> Parse(const std::string &text);

    std::string ToText() const;     // "2026-12-07"
    std::int32_t DayInWeek() const; // 1 = Monday ... 7 = Sunday
    // zk::OverflowError when the day leaves the years 1 to 32767.
    CalendarDay Plus(std::int32_t days) const;
    CalendarDay MondayOfWeek() const { return Plus(1 - DayInWeek()); }

private:
    std::chrono::sys_days Days() const;
};

} // namespace zk
