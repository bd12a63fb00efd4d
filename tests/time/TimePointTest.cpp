#include "time/OverflowError.h"
#include "time/clsTimeDaysInMonth.h"
#include "time/clsTimePoint.h"

#include <gtest/gtest.h>

#include <array>
#include <limits>
#include <random>
#include <tuple>

namespace {

using Fields = std::array<std::int32_t, 6>; // year, month, day, hour, minute, seconds
constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();

Fields Of(const clsTimePoint &t)
{
    return {t.Year(), t.Month(), t.Day(), t.Hour(), t.Minute(), t.Seconds()};
}

void Set(clsTimePoint &t, const Fields &f)
{
    t.SetDay(f[0], f[1], f[2]);
    t.SetTime(f[3], f[4], f[5]);
}

Fields Fixed(const Fields &f)
{
    clsTimePoint t;
    Set(t, f);
    t.FixIt();
    return Of(t);
}

// Normalisation one unit per round, as the calendar rules read, with the same
// 32- and 16-bit limits: the yardstick for the arithmetic that skips rounds.
struct Naive
{
    std::int32_t y, mo, d, h, mi, s;

    void FixIt()
    {
        using zk::CheckedAdd;
        using zk::CheckedSub;
        using zk::CheckedToInt16;
        while (s < 0) { s = CheckedAdd(s, 60); mi = CheckedSub(mi, 1); }
        while (s >= 60) { s = CheckedSub(s, 60); mi = CheckedAdd(mi, 1); }
        while (mi < 0) { mi = CheckedAdd(mi, 60); h = CheckedSub(h, 1); }
        while (mi >= 60) { mi = CheckedSub(mi, 60); h = CheckedAdd(h, 1); }
        while (h < 0) { h = CheckedAdd(h, 24); d = CheckedSub(d, 1); }
        while (h >= 24) { h = CheckedSub(h, 24); d = CheckedAdd(d, 1); }
        while (mo < 1) { mo = CheckedAdd(mo, 12); y = CheckedSub(y, 1); }
        while (mo >= 13) { mo = CheckedSub(mo, 12); y = CheckedAdd(y, 1); }
        std::int32_t p = clsTimeDaysInMonth::GetDaysInPreviousMonth(CheckedToInt16(mo),
                                                                    CheckedToInt16(y));
        while (d < 1) {
            d = CheckedAdd(d, p);
            mo = CheckedSub(mo, 1);
            if (mo == 0) { mo = 12; y = CheckedSub(y, 1); }
            p = clsTimeDaysInMonth::GetDaysInPreviousMonth(CheckedToInt16(mo), CheckedToInt16(y));
        }
        std::int32_t n = clsTimeDaysInMonth::GetDays(CheckedToInt16(mo), CheckedToInt16(y));
        while (d > n) {
            d = CheckedSub(d, n);
            mo = CheckedAdd(mo, 1);
            if (mo == 13) { mo = 1; y = CheckedAdd(y, 1); }
            n = clsTimeDaysInMonth::GetDays(CheckedToInt16(mo), CheckedToInt16(y));
        }
    }
    Fields Get() const { return {y, mo, d, h, mi, s}; }
};

// Days since 1 January of year 0 in this calendar (every fourth year leaps).
std::int64_t DayNumber(std::int64_t y, std::int64_t m, std::int64_t d)
{
    const int before[] = {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};
    return 365 * y + (y + 3) / 4 + before[m - 1] + (m > 2 && y % 4 == 0) + d - 1;
}

std::int32_t DaysBetween(const Fields &a, const Fields &b)
{
    clsTimePoint ta;
    clsTimePoint tb;
    Set(ta, a);
    Set(tb, b);
    return ta.GetDaysDifference(tb);
}

} // namespace

TEST(TimePoint, NormalisesOutOfRangeFieldsIntoTheCalendar)
{
    const std::pair<Fields, Fields> rows[] = {
        {{0, 1, 1, 0, 0, 0}, {0, 1, 1, 0, 0, 0}}, // a new point is valid
        {{2001, 1, 1, 0, 0, -1}, {2000, 12, 31, 23, 59, 59}},
        {{2001, 12, 31, 23, 0, 3659}, {2002, 1, 1, 0, 0, 59}},
        {{2002, 4, 31, 0, 0, 0}, {2002, 5, 1, 0, 0, 0}},
        {{2004, 3, 0, 0, 0, 0}, {2004, 2, 29, 0, 0, 0}},
        {{2003, 3, 0, 0, 0, 0}, {2003, 2, 28, 0, 0, 0}},
        {{2001, 13, 1, 0, 0, 0}, {2002, 1, 1, 0, 0, 0}},
        {{2001, -11, 1, 0, 0, 0}, {2000, 1, 1, 0, 0, 0}},
        {{2100, 2, 29, 0, 0, 0}, {2100, 2, 29, 0, 0, 0}},   // centuries leap like any fourth year
        {{2003, 14, 29, 0, 0, 0}, {2004, 2, 29, 0, 0, 0}},  // the month is put right first
        {{2000, 1, 1, 24000, 0, 0}, {2002, 9, 27, 0, 0, 0}},
        {{2001, 1, -365, 0, 0, 0}, {2000, 1, 1, 0, 0, 0}},
        {{-4, 3, 0, 0, 0, 0}, {-4, 2, 29, 0, 0, 0}},
        {{-1, 3, 0, 0, 0, 0}, {-1, 2, 28, 0, 0, 0}},
        {{2000, 3, -100000, 0, 0, 0}, {1726, 5, 18, 0, 0, 0}},    // whole four-year cycles
        {{2000, 3, 100000, 0, 0, 0}, {2273, 12, 12, 0, 0, 0}},
        {{-32700, 6, -5000, 0, 0, 0}, {-32714, 9, 22, 0, 0, 0}}, // near the 16-bit years
        {{32700, 6, 5000, 0, 0, 0}, {32714, 2, 7, 0, 0, 0}},
        {{2000, 6, 15, 12, 30, kMin}, {1932, 5, 28, 9, 15, 52}},
        {{2000, 6, 15, 12, 30, kMax}, {2068, 7, 3, 15, 44, 7}},
    };
    for (const auto &[in, out] : rows)
        EXPECT_EQ(Fixed(in), out) << in[0] << "-" << in[1] << "-" << in[2];
    for (const Fields &f : {Fields{-32760, 6, -5000, 0, 0, 0}, Fields{32760, 6, 5000, 0, 0, 0}})
        EXPECT_THROW(Fixed(f), zk::OverflowError) << f[0];
    const std::array<std::int16_t, 4> days[] = {
        // month, year, days in it, days in the month before
        {2, 1900, 29, 31}, {2, -1, 28, 31}, {3, 2004, 31, 29}, {9, 2003, 30, 31},
        {1, 2001, 31, 31}, {13, 2001, 0, 31}, {0, 2001, 0, 0}};
    for (const auto &d : days) {
        EXPECT_EQ(clsTimeDaysInMonth::GetDays(d[0], d[1]), d[2]) << d[0] << "/" << d[1];
        EXPECT_EQ(clsTimeDaysInMonth::GetDaysInPreviousMonth(d[0], d[1]), d[3]) << d[0];
    }
}

// Every normalisation, including one that overflows half-way, must end in the fields the
// one-unit rounds would leave: carries into a field at its 32-bit edge, and days far beyond
// a month that run into the 16-bit year limits.
TEST(TimePoint, FixItEqualsRoundByRoundNormalisation)
{
    std::mt19937 random(20261206);
    auto any = [&](std::int32_t lo, std::int32_t hi) {
        return std::uniform_int_distribution<std::int32_t>(lo, hi)(random);
    };
    for (int i = 0; i < 800; ++i) {
        const std::int32_t carry = (i % 2 ? 1 : -1) * any(4, 9);
        const std::int32_t edge = i % 2 ? kMax - any(0, 3) : kMin + any(0, 3);
        Naive naive{2000, 6, 15, 12, 30, 30};
        switch (i % 5) {
        case 0: naive.mi = edge; naive.s = 30 + 60 * carry; break;
        case 1: naive.h = edge; naive.mi = 30 + 60 * carry; break;
        case 2: naive.d = edge; naive.h = 12 + 24 * carry; break;
        case 3: naive.y = edge; naive.mo = 6 + 12 * carry; break;
        default:
            naive = {(i % 2 ? 1 : -1) * any(32600, 33000), any(-30, 30), any(kMin, kMax), 0, 0, 0};
        }
        clsTimePoint t;
        Set(t, naive.Get());
        bool naiveThrew = false, fastThrew = false;
        try {
            naive.FixIt();
        } catch (const zk::OverflowError &) {
            naiveThrew = true;
        }
        try {
            t.FixIt();
        } catch (const zk::OverflowError &) {
            fastThrew = true;
        }
        ASSERT_EQ(fastThrew, naiveThrew) << "case " << i;
        ASSERT_EQ(Of(t), naive.Get()) << "case " << i;
    }
}

TEST(TimePoint, ComparesRawFieldsWithTheEarlierSideGivingOne)
{
    const struct
    {
        Fields a, b;
        int compare, dates;
    } rows[] = {
        {{2002, 12, 4, 9, 0, 0}, {2002, 12, 4, 10, 0, 0}, 1, 0},
        {{2002, 12, 4, 10, 0, 0}, {2002, 12, 4, 9, 0, 0}, -1, 0},
        {{2002, 12, 4, 9, 0, 0}, {2002, 12, 4, 9, 0, 0}, 0, 0},
        {{2002, 12, 4, 9, 0, 1}, {2002, 12, 4, 9, 0, 0}, -1, 0},
        {{2002, 12, 3, 25, 0, 0}, {2002, 12, 4, 0, 0, 0}, 1, 1}, // raw fields, not normalised
        {{2001, 12, 31, 0, 0, 0}, {2002, 1, 1, 0, 0, 0}, 1, 1},  // year before month before day
        {{2002, 1, 31, 0, 0, 0}, {2002, 2, 1, 0, 0, 0}, 1, 1},
        {{2002, 2, 1, 0, 0, 0}, {2002, 1, 31, 0, 0, 0}, -1, -1},
    };
    for (const auto &r : rows) {
        SCOPED_TRACE(r.a[2] * 100 + r.a[3]);
        clsTimePoint a, b;
        Set(a, r.a);
        Set(b, r.b);
        EXPECT_EQ(a.CompareTo(b), r.compare);
        EXPECT_EQ(a.IsBeforeTime(b), r.compare == 1);
        EXPECT_EQ(a.Equals(b), r.compare == 0);
        EXPECT_EQ(a.CompareToDates(b), r.dates);
        EXPECT_EQ(a.IsBeforeDate(b), r.dates == 1);
        EXPECT_EQ(a.EqualDates(b), r.dates == 0);
    }
    clsTimePoint a, b;
    Set(a, {2002, 12, 4, 9, 0, 0});
    b.SetTimeFromTimePoint(a);
    EXPECT_EQ(Of(b), Of(a));
}

TEST(TimePoint, DaysDifferenceCountsCalendarDaysAndSaturates)
{
    const std::tuple<Fields, Fields, std::int32_t> rows[] = {
        {{2001, 1, 1, 0, 0, 0}, {2001, 3, 1, 0, 0, 0}, 59},
        {{2001, 3, 1, 0, 0, 0}, {2001, 1, 1, 0, 0, 0}, -59},
        {{2004, 1, 1, 23, 0, 0}, {2004, 3, 1, 0, 0, 0}, 60},
        {{2002, 12, 4, 9, 0, 0}, {2002, 12, 4, 10, 0, 0}, 0},
        {{1000, 1, 1, 0, 0, 0}, {2000, 1, 1, 0, 0, 0}, 131071},
        {{2000, 1, 1, 0, 0, 0}, {1000, 1, 1, 0, 0, 0}, -131071},
        {{1641, 1, 1, 0, 0, 0}, {2000, 1, 1, 0, 0, 0}, 131071},
    };
    for (const auto &[a, b, days] : rows)
        EXPECT_EQ(DaysBetween(a, b), days) << a[0] << " " << b[0];
    std::mt19937 random(7);
    std::uniform_int_distribution<int> year(1850, 2200), month(1, 12), day(1, 28);
    for (int i = 0; i < 500; ++i) {
        const Fields a{year(random), month(random), day(random), 12, 0, 0};
        const Fields b{year(random), month(random), day(random), 3, 0, 0};
        ASSERT_EQ(DaysBetween(a, b), DayNumber(b[0], b[1], b[2]) - DayNumber(a[0], a[1], a[2]))
            << a[0] << "-" << a[1] << "-" << a[2];
    }
}

TEST(TimePoint, SecondsDifferenceIsSignedAndOverflowsBeyondItsRange)
{
    const std::tuple<Fields, Fields, std::int64_t> rows[] = {
        {{2001, 12, 31, 23, 59, 50}, {2002, 1, 1, 0, 0, 10}, 20},
        {{2002, 1, 1, 0, 0, 10}, {2001, 12, 31, 23, 59, 50}, -20},
        {{2001, 12, 31, 23, 59, 50}, {2001, 12, 31, 23, 59, 50}, 0},
        {{2001, 12, 31, 23, 59, 50}, {2069, 12, 31, 23, 59, 50}, 24837LL * 86400},
        {{2001, 12, 31, 23, 59, 50}, {2072, 1, 1, 0, 0, 0}, -1}, // -1: overflow
    };
    for (const auto &[fa, fb, seconds] : rows) {
        clsTimePoint a, b;
        Set(a, fa);
        Set(b, fb);
        if (seconds == -1)
            EXPECT_THROW(a.GetSecondsDifference(b), zk::OverflowError);
        else
            EXPECT_EQ(a.GetSecondsDifference(b), seconds) << fb[0];
        EXPECT_EQ(Of(a), fa); // neither point changes
        EXPECT_EQ(Of(b), fb);
    }
}

TEST(TimePoint, DayInWeekRunsFromMondayInBothDirections)
{
    auto weekday = [](const Fields &f) {
        clsTimePoint t;
        Set(t, f);
        return t.GetDayInWeek();
    };
    const std::pair<Fields, std::int32_t> rows[] = {
        {{2002, 12, 4, 0, 0, 0}, 3}, {{2001, 1, 1, 0, 0, 0}, 1}, {{2001, 1, 7, 0, 0, 0}, 7},
        {{2000, 12, 31, 0, 0, 0}, 7}, {{1999, 1, 1, 0, 0, 0}, 5}, {{2026, 12, 6, 0, 0, 0}, 7}};
    for (const auto &[day, expected] : rows)
        EXPECT_EQ(weekday(day), expected) << day[0] << "-" << day[1] << "-" << day[2];
    for (int d = -400; d < 400; ++d) {
        const std::int32_t today = weekday(Fixed({2001, 1, 1 + d, 0, 0, 0}));
        ASSERT_EQ(weekday(Fixed({2001, 1, 2 + d, 0, 0, 0})), today % 7 + 1) << d;
    }
}

TEST(TimePoint, TextsShowRawFieldsWithoutPadding)
{
    const std::tuple<Fields, const char *, const char *> rows[] = {
        {{0, 1, 1, 0, 0, 0}, "1/1/0", "0:0:0"},
        {{2002, 12, 4, 9, 5, 3}, "4/12/2002", "9:5:3"},
        {{-7, 3, 1, 25, 61, 0}, "1/3/-7", "25:61:0"}};
    for (const auto &[f, day, time] : rows) {
        clsTimePoint t;
        Set(t, f);
        EXPECT_EQ(t.GetDayAsString(), day);
        EXPECT_EQ(t.GetTimeAsString(), time);
    }
}
