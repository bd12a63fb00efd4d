#include "time/OverflowError.h"
#include "time/clsTimeDaysInMonth.h"
#include "time/clsTimePoint.h"

#include <gtest/gtest.h>

#include <array>
#include <limits>
#include <random>

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
    std::int64_t days = 365 * y + (y + 3) / 4; // leap years 0, 4, ... before y (y >= 0)
    for (std::int64_t i = 1; i < m; ++i)
        days += clsTimeDaysInMonth::GetDays(static_cast<std::int16_t>(i),
                                            static_cast<std::int16_t>(y));
    return days + d - 1;
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
    EXPECT_EQ(Fixed({0, 1, 1, 0, 0, 0}), (Fields{0, 1, 1, 0, 0, 0})); // a new point is valid
    EXPECT_EQ(Fixed({2001, 1, 1, 0, 0, -1}), (Fields{2000, 12, 31, 23, 59, 59}));
    EXPECT_EQ(Fixed({2001, 12, 31, 23, 0, 3659}), (Fields{2002, 1, 1, 0, 0, 59}));
    EXPECT_EQ(Fixed({2002, 4, 31, 0, 0, 0}), (Fields{2002, 5, 1, 0, 0, 0}));
    EXPECT_EQ(Fixed({2004, 3, 0, 0, 0, 0}), (Fields{2004, 2, 29, 0, 0, 0}));
    EXPECT_EQ(Fixed({2003, 3, 0, 0, 0, 0}), (Fields{2003, 2, 28, 0, 0, 0}));
    EXPECT_EQ(Fixed({2001, 13, 1, 0, 0, 0}), (Fields{2002, 1, 1, 0, 0, 0}));
    EXPECT_EQ(Fixed({2001, 0, 1, 0, 0, 0}), (Fields{2000, 12, 1, 0, 0, 0}));
    EXPECT_EQ(Fixed({2001, -11, 1, 0, 0, 0}), (Fields{2000, 1, 1, 0, 0, 0}));
    // Centuries leap like any fourth year.
    EXPECT_EQ(Fixed({1900, 2, 29, 0, 0, 0}), (Fields{1900, 2, 29, 0, 0, 0}));
    EXPECT_EQ(Fixed({2100, 2, 29, 0, 0, 0}), (Fields{2100, 2, 29, 0, 0, 0}));
    // The month is put right before the day is measured against it.
    EXPECT_EQ(Fixed({2003, 14, 29, 0, 0, 0}), (Fields{2004, 2, 29, 0, 0, 0}));
    // Carries run all the way up: a thousand days of hours, a year of days back.
    EXPECT_EQ(Fixed({2000, 1, 1, 24 * 1000, 0, 0}), (Fields{2002, 9, 27, 0, 0, 0}));
    EXPECT_EQ(Fixed({2001, 1, 1 - 366, 0, 0, 0}), (Fields{2000, 1, 1, 0, 0, 0}));
    // Negative years follow the same rule: -4 leaps, -1 does not.
    EXPECT_EQ(Fixed({-4, 3, 0, 0, 0, 0}), (Fields{-4, 2, 29, 0, 0, 0}));
    EXPECT_EQ(Fixed({-1, 3, 0, 0, 0, 0}), (Fields{-1, 2, 28, 0, 0, 0}));
}

TEST(TimePoint, DaysInMonthFollowTheSimplifiedCalendar)
{
    EXPECT_EQ(clsTimeDaysInMonth::GetDays(2, 1900), 29);
    EXPECT_EQ(clsTimeDaysInMonth::GetDays(2, -1), 28);
    EXPECT_EQ(clsTimeDaysInMonth::GetDays(2, 2003), 28);
    EXPECT_EQ(clsTimeDaysInMonth::GetDays(9, 2003), 30);
    EXPECT_EQ(clsTimeDaysInMonth::GetDays(13, 2001), 0);
    EXPECT_EQ(clsTimeDaysInMonth::GetDays(0, 2001), 0);
    EXPECT_EQ(clsTimeDaysInMonth::GetDaysInPreviousMonth(1, 2001), 31);
    EXPECT_EQ(clsTimeDaysInMonth::GetDaysInPreviousMonth(3, 2004), 29);
    EXPECT_EQ(clsTimeDaysInMonth::GetDaysInPreviousMonth(0, 2001), 0);
    EXPECT_EQ(clsTimeDaysInMonth::GetDaysInPreviousMonth(13, 2001), 31);
}

// Every normalisation, including one that overflows half-way, must end in the
// fields the one-unit rounds would leave.
TEST(TimePoint, FixItEqualsRoundByRoundNormalisation)
{
    std::mt19937 random(20261206);
    auto any = [&](std::int32_t lo, std::int32_t hi) {
        return std::uniform_int_distribution<std::int32_t>(lo, hi)(random);
    };
    for (int i = 0; i < 1200; ++i) {
        Naive naive{};
        switch (i % 4) {
        case 0: // ordinary damage
            naive = {any(-3000, 3000), any(-40, 40), any(-800, 800),
                     any(-100, 100), any(-300, 300), any(-5000, 5000)};
            break;
        case 1: { // days anywhere in 32 bits run into the 16-bit year limits
            const std::int32_t day = any(kMin, kMax);
            const std::int32_t year = day > 0 ? 32767 - any(0, 200) : -32768 + any(0, 200);
            naive = {year, any(1, 12), i % 8 == 1 ? any(-100000, 100000) : day, 0, 0, 0};
            if (i % 8 == 1)
                naive.y = any(1, 3000);
            break;
        }
        case 2: { // a carry into a field at its 32-bit edge overflows after a few rounds
            const bool up = any(0, 1) == 1;
            const std::int32_t edge = up ? kMax - any(0, 3) : kMin + any(0, 3);
            const std::int32_t carry = (up ? 1 : -1) * any(4, 9);
            naive = {2000, 6, 15, 12, 30, 30};
            switch (any(0, 3)) {
            case 0: naive.mi = edge; naive.s = 30 + 60 * carry; break;
            case 1: naive.h = edge; naive.mi = 30 + 60 * carry; break;
            case 2: naive.d = edge; naive.h = 12 + 24 * carry; break;
            default: naive.y = edge; naive.mo = 6 + 12 * carry; break;
            }
            break;
        }
        default: // years at and beyond the 16-bit edge
            naive = {any(-33000, -32700) * (any(0, 1) ? -1 : 1), any(-30, 30), any(-900, 900),
                     any(-50, 50), 0, 0};
            break;
        }
        clsTimePoint t;
        Set(t, naive.Get());
        bool naiveThrew = false;
        bool fastThrew = false;
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
    clsTimePoint a;
    clsTimePoint b;
    Set(a, {2002, 12, 4, 9, 0, 0});
    Set(b, {2002, 12, 4, 10, 0, 0});
    EXPECT_EQ(a.CompareTo(b), 1);
    EXPECT_EQ(b.CompareTo(a), -1);
    EXPECT_TRUE(a.IsBeforeTime(b));
    EXPECT_FALSE(b.IsBeforeTime(a));
    EXPECT_EQ(a.CompareToDates(b), 0);
    EXPECT_TRUE(a.EqualDates(b));
    EXPECT_FALSE(a.IsBeforeDate(b));
    EXPECT_EQ(a.GetDaysDifference(b), 0);
    b.SetTimeFromTimePoint(a);
    EXPECT_TRUE(a.Equals(b));
    EXPECT_EQ(a.CompareTo(b), 0);
    // Not normalised first: hour 25 of the 3rd lies "before" 00:00 of the 4th.
    Set(a, {2002, 12, 3, 25, 0, 0});
    Set(b, {2002, 12, 4, 0, 0, 0});
    EXPECT_EQ(a.CompareTo(b), 1);
    // The year weighs before the month, the month before the day.
    Set(a, {2001, 12, 31, 0, 0, 0});
    Set(b, {2002, 1, 1, 0, 0, 0});
    EXPECT_TRUE(a.IsBeforeDate(b));
}

TEST(TimePoint, DaysDifferenceCountsCalendarDaysAndSaturates)
{
    EXPECT_EQ(DaysBetween({2001, 1, 1, 0, 0, 0}, {2001, 3, 1, 0, 0, 0}), 59);
    EXPECT_EQ(DaysBetween({2001, 3, 1, 0, 0, 0}, {2001, 1, 1, 0, 0, 0}), -59);
    EXPECT_EQ(DaysBetween({2004, 1, 1, 23, 0, 0}, {2004, 3, 1, 0, 0, 0}), 60);
    EXPECT_EQ(DaysBetween({1000, 1, 1, 0, 0, 0}, {2000, 1, 1, 0, 0, 0}), 131071);
    EXPECT_EQ(DaysBetween({2000, 1, 1, 0, 0, 0}, {1000, 1, 1, 0, 0, 0}), -131071);
    EXPECT_EQ(DaysBetween({1641, 1, 1, 0, 0, 0}, {2000, 1, 1, 0, 0, 0}), 131071);

    std::mt19937 random(7);
    std::uniform_int_distribution<int> year(1850, 2200), month(1, 12), day(1, 28);
    for (int i = 0; i < 500; ++i) {
        const Fields a{year(random), month(random), day(random), 12, 0, 0};
        const Fields b{year(random), month(random), day(random), 3, 0, 0};
        const std::int64_t expected =
            DayNumber(b[0], b[1], b[2]) - DayNumber(a[0], a[1], a[2]);
        ASSERT_EQ(DaysBetween(a, b), expected) << a[0] << "-" << a[1] << "-" << a[2];
    }
}

TEST(TimePoint, SecondsDifferenceIsSignedAndOverflowsBeyondItsRange)
{
    clsTimePoint a;
    clsTimePoint b;
    Set(a, {2001, 12, 31, 23, 59, 50});
    Set(b, {2002, 1, 1, 0, 0, 10});
    EXPECT_EQ(a.GetSecondsDifference(b), 20);
    EXPECT_EQ(b.GetSecondsDifference(a), -20);
    Set(b, {2001, 12, 31, 23, 59, 50});
    EXPECT_EQ(a.GetSecondsDifference(b), 0);
    // Sixty-eight years still fit; seventy do not.
    Set(b, {2069, 12, 31, 23, 59, 50});
    EXPECT_EQ(a.GetSecondsDifference(b), 24837 * 86400);
    Set(b, {2072, 1, 1, 0, 0, 0});
    EXPECT_THROW(a.GetSecondsDifference(b), zk::OverflowError);
    // Neither point changes.
    EXPECT_EQ(Of(a), (Fields{2001, 12, 31, 23, 59, 50}));
    EXPECT_EQ(Of(b), (Fields{2072, 1, 1, 0, 0, 0}));
}

TEST(TimePoint, DayInWeekRunsFromMondayInBothDirections)
{
    auto weekday = [](const Fields &f) {
        clsTimePoint t;
        Set(t, f);
        return t.GetDayInWeek();
    };
    EXPECT_EQ(weekday({2002, 12, 4, 0, 0, 0}), 3);
    EXPECT_EQ(weekday({2001, 1, 1, 0, 0, 0}), 1);
    EXPECT_EQ(weekday({2001, 1, 7, 0, 0, 0}), 7);
    EXPECT_EQ(weekday({2000, 12, 31, 0, 0, 0}), 7);
    EXPECT_EQ(weekday({2000, 12, 25, 0, 0, 0}), 1);
    EXPECT_EQ(weekday({1999, 1, 1, 0, 0, 0}), 5);
    EXPECT_EQ(weekday({2026, 12, 6, 0, 0, 0}), 7);
    // Day after day the cycle continues across months and years.
    for (int d = -400; d < 400; ++d) {
        const std::int32_t today = weekday(Fixed({2001, 1, 1 + d, 0, 0, 0}));
        ASSERT_EQ(weekday(Fixed({2001, 1, 2 + d, 0, 0, 0})), today % 7 + 1) << d;
    }
}

TEST(TimePoint, TextsShowRawFieldsWithoutPadding)
{
    clsTimePoint t;
    EXPECT_EQ(t.GetDayAsString(), "1/1/0");
    EXPECT_EQ(t.GetTimeAsString(), "0:0:0");
    Set(t, {2002, 12, 4, 9, 5, 3});
    EXPECT_EQ(t.GetTimeAsString(), "9:5:3");
    EXPECT_EQ(t.GetDayAsString(), "4/12/2002");
    Set(t, {-7, 3, 1, 25, 61, 0});
    EXPECT_EQ(t.GetTimeAsString(), "25:61:0");
    EXPECT_EQ(t.GetDayAsString(), "1/3/-7");
}
