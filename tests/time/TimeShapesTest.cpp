#include "support/FakeClock.h"
#include "time/CalendarDay.h"
#include "time/OverflowError.h"
#include "time/TimeShapes.h"
#include "time/clsTimePoint.h"

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

// Seconds of the real calendar; fields outside their range carry, as damaged records hold them.
TEST(ClockSeconds, CountsSecondsOfTheRealCalendarWithFieldsCarried)
{
    struct Case
    {
        LocalDateTime at;
        std::int64_t seconds;
    };
    const Case cases[] = {
        {.at = {1970, 1, 1, 0, 0, 0}, .seconds = 0},
        {.at = {1969, 12, 31, 23, 59, 59}, .seconds = -1},
        {.at = {1, 1, 1, 0, 0, 0}, .seconds = -62135596800},
        {.at = {2000, 2, 29, 23, 59, 59}, .seconds = 951868799}, // a fourth century leaps
        {.at = {2100, 2, 29, 0, 0, 0}, .seconds = 4107542400},   // no 29 February: 1 March
        {.at = {2023, 15, 1, 0, 0, 0}, .seconds = 1709251200},   // months carry both ways
        {.at = {2025, -9, 1, 0, 0, 0}, .seconds = 1709251200},
        {.at = {2026, 1, 0, 0, 0, 0}, .seconds = 1767139200},    // day 0: the month before
        {.at = {2026, 12, 6, 9, 0, -3600}, .seconds = 1796544000},
        {.at = {2369, 12, 31, 23, 59, 59}, .seconds = 12622780799}, // a 400-year cycle's end
        {.at = {-10030, 1, 1, 0, 0, 0}, .seconds = -378683424000},  // far out of 16-bit years
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(Text(c.at));
        EXPECT_EQ(zk::ClockSeconds(c.at), c.seconds);
    }
    const std::int64_t far = zk::ClockSeconds({2147483647, 2147483647, 2147483647, 0, 0, 0});
    EXPECT_GT(far, zk::ClockSeconds({999'999'999, 1, 1, 0, 0, 0})); // no wrap-around
}

TEST(ClockSeconds, LocalTimeBackFromClockSeconds)
{
    struct Case
    {
        std::int64_t seconds;
        const char *local;
    };
    const Case cases[] = {
        {.seconds = 0, .local = "1970-1-1 0:0:0"},
        {.seconds = -1, .local = "1969-12-31 23:59:59"},
        {.seconds = 1769817600, .local = "2026-1-31 0:0:0"},
        {.seconds = 951868799, .local = "2000-2-29 23:59:59"},
        {.seconds = 12622780799, .local = "2369-12-31 23:59:59"},
        {.seconds = 12622780800, .local = "2370-1-1 0:0:0"},
        {.seconds = -378683424000, .local = "-10030-1-1 0:0:0"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.seconds);
        EXPECT_EQ(Text(zk::LocalFromClockSeconds(c.seconds)), c.local);
    }
}

TEST(TimeShapes, ATimePointAndItsSixFieldsAreTheSameTime)
{
    const LocalDateTime fields{2026, 13, -2, 25, 61, -1}; // kept as they are, not normalised
    clsTimePoint t;
    zk::SetTimePoint(t, fields);
    EXPECT_EQ(t.GetDayAsString() + " " + t.GetTimeAsString(), "-2/13/2026 25:61:-1");
    EXPECT_EQ(Text(zk::ToLocalDateTime(t)), Text(fields));
    EXPECT_EQ(zk::ClockSeconds(t), zk::ClockSeconds(fields));
    zk::test::FakeClock clock({2026, 12, 6, 9, 0, 0});
    t.SetTimeFromClock();
    EXPECT_EQ(Text(zk::ToLocalDateTime(t)), "2026-12-6 9:0:0");
    EXPECT_EQ(zk::ClockSecondsNow(), 1796547600);
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

TEST(CalendarDays, WeekdaysMondaysAndSteps)
{
    struct Case
    {
        CalendarDay day;
        std::int32_t weekday;
        CalendarDay monday;
    };
    const Case cases[] = {
        {.day = {2026, 12, 7}, .weekday = 1, .monday = {2026, 12, 7}},
        {.day = {2026, 12, 13}, .weekday = 7, .monday = {2026, 12, 7}},
        {.day = {2001, 1, 1}, .weekday = 1, .monday = {2001, 1, 1}},
        {.day = {1999, 12, 31}, .weekday = 5, .monday = {1999, 12, 27}},
        {.day = {2027, 1, 2}, .weekday = 6, .monday = {2026, 12, 28}}, // across the year
        {.day = {1, 1, 3}, .weekday = 3, .monday = {1, 1, 1}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.day.ToText());
        EXPECT_EQ(c.day.DayInWeek(), c.weekday);
        EXPECT_EQ(c.day.MondayOfWeek(), c.monday);
    }
    EXPECT_EQ(CalendarDay({2024, 2, 28}).Plus(2), (CalendarDay{2024, 3, 1}));
    EXPECT_EQ(CalendarDay({2024, 3, 1}).Plus(-366), (CalendarDay{2023, 3, 1}));
    EXPECT_EQ(CalendarDay({32767, 12, 31}).Plus(0), (CalendarDay{32767, 12, 31}));
    EXPECT_THROW(CalendarDay({32767, 12, 31}).Plus(1), zk::OverflowError);
    EXPECT_THROW(CalendarDay({1, 1, 1}).Plus(-1), zk::OverflowError);
    EXPECT_EQ(CalendarDay::Of({2026, 2, 28, 99, 0, 0}), (CalendarDay{2026, 2, 28}));
    EXPECT_EQ(CalendarDay::Of({0, 2, 28, 0, 0, 0}), std::nullopt); // an end that is not set
}
