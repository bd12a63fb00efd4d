#pragma once

#include <compare>
#include <cstdint>
#include <optional>
#include <string>

namespace zk::report {

// A calendar day in the program's own calendar (every fourth year a leap year).
struct ReportDay
{
    std::int32_t year = 0;
    std::int32_t month = 1;
    std::int32_t day = 1;

    auto operator<=>(const ReportDay &) const = default;

    // The day a record ended, or nothing when its end fields name no real day
    // (end not set, month 13, 30 February...): the program's "today" can never
    // equal such fields, so such a record counts on no day.
    static std::optional<ReportDay> FromFields(std::int32_t year, std::int32_t month,
                                               std::int32_t day);
    // "YYYY-MM-DD" with a real day, or nothing.
    static std::optional<ReportDay> Parse(const std::string &text);

    std::string ToText() const; // "2026-12-07"
    std::int32_t DayInWeek() const; // 1 = Monday ... 7 = Sunday
    ReportDay Plus(std::int32_t days) const;
    ReportDay MondayOfWeek() const { return Plus(1 - DayInWeek()); }
};

} // namespace zk::report
