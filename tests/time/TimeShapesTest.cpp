#include "time/CalendarDay.h"
#include "time/OverflowError.h"
#include "time/TimeShapes.h"

#include <gtest/gtest.h>

namespace {

using zk::CalendarDay;
using zk::LocalDateTime;

std::string Text(const LocalDateTime &t)
{
    return std::to_string(t.year) + "-" + std::to_string(t.month) + "-" + std::to_string(t.day) +
           " " + std::to_string(t.hour) + ":" + std::to_string(t.minute) + ":" +
           std::to_string(t.second);
}

} // namespace

// Seconds of the real calendar, and the local time back from them; fields outside their range
// carry, as damaged records hold them, the year beyond 32 bits too.
TEST(ClockSeconds, SecondsOfTheRealCalendarAndTheLocalTimeBack)
{
    const std::tuple<LocalDateTime, std::int64_t, const char *> rows[] = {
        {{1970, 1, 1, 0, 0, 0}, 0, "1970-1-1 0:0:0"},
        {{1969, 12, 31, 23, 59, 59}, -1, "1969-12-31 23:59:59"},
        {{2000, 2, 29, 23, 59, 59}, 951868799, "2000-2-29 23:59:59"},
        {{2100, 2, 29, 0, 0, 0}, 4107542400, "2100-3-1 0:0:0"},
        {{2023, 15, 1, 0, 0, 0}, 1709251200, "2024-3-1 0:0:0"},
        {{2025, -9, 1, 0, 0, 0}, 1709251200, "2024-3-1 0:0:0"},
        {{2026, 1, 0, 0, 0, 0}, 1767139200, "2025-12-31 0:0:0"},
        {{2026, 1, 31, 9, 0, -3600}, 1769846400, "2026-1-31 8:0:0"},
        {{2369, 12, 31, 23, 59, 59}, 12622780799, "2369-12-31 23:59:59"}, // a 400-year cycle
        {{-2147483647 - 1, 1, 1, 0, 0, 0}, -67768100567971200, "-2147483648-1-1 0:0:0"},
        {{2147483647, 12, 31, 23, 59, 59}, 67767976233532799, "2147483647-12-31 23:59:59"}};
    for (const auto &[at, seconds, back] : rows) {
        SCOPED_TRACE(Text(at));
        EXPECT_EQ(zk::ClockSeconds(at), seconds);
        EXPECT_EQ(Text(zk::LocalFromClockSeconds(seconds)), back);
    }
}

TEST(CalendarDays, ParseTakesRealDaysOnly)
{
    const std::pair<const char *, std::optional<CalendarDay>> rows[] = {
        {"2026-12-07", CalendarDay{2026, 12, 7}}, {"0001-01-01", CalendarDay{1, 1, 1}},
        {"2024-02-29", CalendarDay{2024, 2, 29}}, {"2000-02-29", CalendarDay{2000, 2, 29}},
        {"2100-02-29", {}}, {"2026-02-30", {}}, {"2026-04-31", {}}, {"2026-13-01", {}},
        {"2026-00-01", {}}, {"0000-01-01", {}}, {"7-12-2026", {}},  {"2026-12-7", {}},
        {"2026/12/07", {}}, {"2026-12/07", {}}, {"2026-1a-07", {}}, {"2026-12-0:", {}},
        {"2O26-12-07", {}}, {"2026-12-07 ", {}}};
    for (const auto &[text, day] : rows) {
        SCOPED_TRACE(text);
        EXPECT_EQ(CalendarDay::Parse(text), day);
    }
}

// The weekday from Monday 1 and the Monday of the week; steps stay within the years 1 to 32767.
TEST(CalendarDays, WeekdaysMondaysAndSteps)
{
    const std::tuple<CalendarDay, std::int32_t, CalendarDay> days[] = {
        {{2026, 12, 7}, 1, {2026, 12, 7}},   {{2026, 12, 13}, 7, {2026, 12, 7}},
        {{1999, 12, 31}, 5, {1999, 12, 27}}, {{2027, 1, 2}, 6, {2026, 12, 28}},
        {{1, 1, 3}, 3, {1, 1, 1}}};
    for (const auto &[day, weekday, monday] : days) {
        SCOPED_TRACE(day.ToText());
        EXPECT_EQ(day.DayInWeek(), weekday);
        EXPECT_EQ(day.MondayOfWeek(), monday);
    }
    EXPECT_EQ(CalendarDay({2024, 2, 28}).Plus(2), (CalendarDay{2024, 3, 1}));
    EXPECT_EQ(CalendarDay({2024, 3, 1}).Plus(-366), (CalendarDay{2023, 3, 1}));
    EXPECT_EQ(CalendarDay({32767, 12, 31}).Plus(0), (CalendarDay{32767, 12, 31}));
    EXPECT_THROW(CalendarDay({32767, 12, 31}).Plus(1), zk::OverflowError);
    EXPECT_THROW(CalendarDay({1, 1, 1}).Plus(-1), zk::OverflowError);
}
