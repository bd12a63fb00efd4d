#include "time/OverflowError.h"
#include "time/clsTimePoint.h"

#include <gtest/gtest.h>

#include <array>
#include <limits>
#include <tuple>

namespace {

using Fields = std::array<std::int32_t, 6>; // year, month, day, hour, minute, seconds
constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();

void Set(clsTimePoint &t, const Fields &f)
{
    t.SetDay(f[0], f[1], f[2]);
    t.SetTime(f[3], f[4], f[5]);
}

// The fields FixIt leaves, also where an overflow stops it half-way.
std::string Fixed(const Fields &f)
{
    clsTimePoint t;
    Set(t, f);
    std::string end;
    try {
        t.FixIt();
    } catch (const zk::OverflowError &) {
        end = " overflow";
    }
    return t.GetDayAsString() + " " + t.GetTimeAsString() + end;
}

} // namespace

TEST(TimePoint, NormalisesOutOfRangeFieldsIntoTheCalendar)
{
    const std::pair<Fields, const char *> rows[] = {
        {{2001, 1, 1, 0, 0, -60}, "31/12/2000 23:59:0"}, // whole borrows and carries
        {{2001, 12, 31, 23, 0, 3659}, "1/1/2002 0:0:59"},
        {{2004, 3, 0, 0, 0, 0}, "29/2/2004 0:0:0"},
        {{2003, 3, 0, 0, 0, 0}, "28/2/2003 0:0:0"},
        {{-4, 3, 0, 0, 0, 0}, "29/2/-4 0:0:0"},
        {{2001, -11, 1, 0, 0, 0}, "1/1/2000 0:0:0"},
        {{2100, 2, 29, 0, 0, 0}, "29/2/2100 0:0:0"},  // centuries leap like any fourth year
        {{2003, 14, 29, 0, 0, 0}, "29/2/2004 0:0:0"}, // the month is put right first
        {{2026, 23, 1, 0, 0, 0}, "1/11/2027 0:0:0"},  // months count from 1
        {{2000, 1, 1, 24000, 0, 0}, "27/9/2002 0:0:0"},
        {{2001, 1, -365, 0, 0, 0}, "1/1/2000 0:0:0"},
        {{2000, 3, -100000, 0, 0, 0}, "18/5/1726 0:0:0"}, // whole four-year cycles
        {{2000, 3, -1461, 0, 0, 0}, "29/2/1996 0:0:0"},   // just past a cycle, both ways
        {{2000, 3, 1493, 0, 0, 0}, "1/4/2004 0:0:0"},
        {{2026, 1, 2893, 0, 0, 0}, "2/12/2033 0:0:0"}, // one cycle skipped, not two
        {{-32700, 6, -5000, 0, 0, 0}, "22/9/-32714 0:0:0"}, // near the 16-bit years
        {{32700, 6, 5000, 0, 0, 0}, "7/2/32714 0:0:0"},
        {{-32760, 6, -5000, 0, 0, 0}, "-1926/1/-32768 0:0:0 overflow"},
        {{32760, 6, 5000, 0, 0, 0}, "2230/1/32768 0:0:0 overflow"},
        {{2000, 6, 15, 12, kMin + 1, -1}, "23/6/-2083 9:52:59"}, // at the 32-bit edges
        {{2000, 6, 15, 12, kMin, -61}, "15/6/2000 12:-2147483648:-1 overflow"},
        {{2000, 6, 15, 12, kMax - 1, 60}, "8/6/6083 14:7:0"},
        {{2000, 6, 15, 12, kMax, 121}, "15/6/2000 12:2147483647:61 overflow"},
        {{2000, 6, 15, kMin, -60, 0}, "15/6/2000 -2147483648:0:0 overflow"},
        {{2000, 6, kMax, 48, 0, 0}, "2147483647/6/2000 24:0:0 overflow"},
        {{kMin, -11, 1, 0, 0, 0}, "1/1/-2147483648 0:0:0 overflow"},
        {{kMax, 25, 1, 0, 0, 0}, "1/13/2147483647 0:0:0 overflow"},
    };
    for (const auto &[in, out] : rows)
        EXPECT_EQ(Fixed(in), out) << in[0] << "-" << in[1] << "-" << in[2];
}

// Raw fields compared, year before month before day before time, 1 when a is the earlier;
// days between dates saturate at 131071; seconds between points; the weekday from Monday 1.
TEST(TimePoint, ComparesCountsDaysAndSecondsAndNamesTheWeekday)
{
    struct Case
    {
        Fields a;
        Fields b;
        int time;
        int date;
        std::int32_t days;
        std::int32_t seconds; // kMin: an overflow
        std::int32_t weekday;
    };
    const Case cases[] = {
        {.a = {2002, 12, 4, 9, 0, 0}, .b = {2002, 12, 4, 10, 0, 0}, .time = 1, .date = 0,
         .days = 0, .seconds = 3600, .weekday = 3},
        {.a = {2002, 12, 4, 9, 0, 0}, .b = {2002, 12, 4, 9, 0, 0}, .time = 0, .date = 0,
         .days = 0, .seconds = 0, .weekday = 3},
        {.a = {2002, 12, 4, 9, 0, 1}, .b = {2002, 12, 4, 9, 0, 0}, .time = -1, .date = 0,
         .days = 0, .seconds = -1, .weekday = 3},
        {.a = {2002, 12, 3, 25, 0, 0}, .b = {2002, 12, 4, 0, 0, 0}, .time = 1, .date = 1,
         .days = 0, .seconds = -90000, .weekday = 2}, // raw, as stored
        {.a = {2001, 12, 31, 23, 59, 50}, .b = {2002, 1, 1, 0, 0, 10}, .time = 1, .date = 1,
         .days = 1, .seconds = 20, .weekday = 1},
        {.a = {2002, 1, 31, 0, 0, 0}, .b = {2002, 2, 1, 0, 0, 0}, .time = 1, .date = 1,
         .days = 1, .seconds = 86400, .weekday = 4},
        {.a = {2001, 3, 1, 0, 0, 0}, .b = {2001, 1, 1, 0, 0, 0}, .time = -1, .date = -1,
         .days = -59, .seconds = -59 * 86400, .weekday = 4},
        {.a = {2004, 1, 1, 23, 0, 0}, .b = {2004, 3, 1, 0, 0, 0}, .time = 1, .date = 1,
         .days = 60, .seconds = 60 * 86400 - 23 * 3600, .weekday = 4},
        {.a = {2001, 12, 31, 0, 0, 0}, .b = {2069, 12, 31, 0, 0, 0}, .time = 1, .date = 1,
         .days = 24837, .seconds = 24837 * 86400, .weekday = 1},
        {.a = {2001, 12, 31, 0, 0, 0}, .b = {2072, 1, 1, 0, 0, 0}, .time = 1, .date = 1,
         .days = 25568, .seconds = kMin, .weekday = 1}, // an overflow
        {.a = {1000, 1, 1, 0, 0, 0}, .b = {2000, 1, 1, 0, 0, 0}, .time = 1, .date = 1,
         .days = 131071, .seconds = kMin, .weekday = 5}, // saturated
        {.a = {2000, 1, 1, 0, 0, 0}, .b = {1000, 1, 1, 0, 0, 0}, .time = -1, .date = -1,
         .days = -131071, .seconds = kMin, .weekday = 6},
    };
    for (const Case &c : cases) {
        clsTimePoint a;
        clsTimePoint b;
        Set(a, c.a);
        Set(b, c.b);
        SCOPED_TRACE(a.GetDayAsString() + " " + b.GetDayAsString());
        EXPECT_EQ(std::tuple(a.CompareTo(b), a.IsBeforeTime(b), a.Equals(b)),
                  std::tuple(c.time, c.time == 1, c.time == 0));
        EXPECT_EQ(std::tuple(a.CompareToDates(b), a.IsBeforeDate(b), a.EqualDates(b)),
                  std::tuple(c.date, c.date == 1, c.date == 0));
        EXPECT_EQ(a.GetDaysDifference(b), c.days);
        if (c.seconds == kMin)
            EXPECT_THROW(a.GetSecondsDifference(b), zk::OverflowError);
        else
            EXPECT_EQ(a.GetSecondsDifference(b), c.seconds);
        EXPECT_EQ(a.GetDayInWeek(), c.weekday);
    }
}
