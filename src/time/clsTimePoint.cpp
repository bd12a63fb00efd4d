#include "time/clsTimePoint.h"

#include "platform/Clock.h"
#include "time/OverflowError.h"
#include "time/TimeShapes.h"
#include "time/clsTimeDaysInMonth.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace {

constexpr std::int64_t kMin32 = std::numeric_limits<std::int32_t>::min();
constexpr std::int64_t kMax32 = std::numeric_limits<std::int32_t>::max();

// The normalisation moves one unit per round; a date thousands of years off
// would take millions of rounds. These two functions take all rounds of a
// step at once and end in exactly the fields the rounds would leave, also
// when the larger field overflows part-way (the rounds before the failing one
// have then been taken, and the failing round has already written `low`).

// While low < lo: low += base, high -= 1.
void BorrowRounds(std::int32_t &low, std::int32_t &high, std::int32_t lo, std::int32_t base)
{
    if (low >= lo)
        return;
    const std::int64_t rounds = (std::int64_t{lo} - low + base - 1) / base;
    const std::int64_t possible = std::int64_t{high} - kMin32;
    if (rounds <= possible) {
        low = static_cast<std::int32_t>(low + rounds * base);
        high = static_cast<std::int32_t>(high - rounds);
        return;
    }
    low = static_cast<std::int32_t>(low + (possible + 1) * base);
    high = static_cast<std::int32_t>(kMin32);
    throw zk::OverflowError("overflow: normalising a time point ran out of the 32-bit range");
}

// While low >= lo + base: low -= base, high += 1.
void CarryRounds(std::int32_t &low, std::int32_t &high, std::int32_t lo, std::int32_t base)
{
    if (low < lo + base)
        return;
    const std::int64_t rounds = (std::int64_t{low} - lo) / base;
    const std::int64_t possible = kMax32 - high;
    if (rounds <= possible) {
        low = static_cast<std::int32_t>(low - rounds * base);
        high = static_cast<std::int32_t>(high + rounds);
        return;
    }
    low = static_cast<std::int32_t>(low - (possible + 1) * base);
    high = static_cast<std::int32_t>(kMax32);
    throw zk::OverflowError("overflow: normalising a time point ran out of the 32-bit range");
}

// Every run of 48 months holds exactly one leap day in this calendar.
constexpr std::int32_t kDaysInFourYears = 1461;
constexpr std::int32_t kLongestMonth = 31;
// Years kept clear of the 16-bit limits when whole cycles are skipped, so that
// any overflow is found by the exact rounds that follow.
constexpr std::int32_t kYearMargin = 5;
constexpr std::int32_t kMin16 = std::numeric_limits<std::int16_t>::min();
constexpr std::int32_t kMax16 = std::numeric_limits<std::int16_t>::max();

std::int16_t PreviousMonthDays(std::int32_t month, std::int32_t year)
{
    return clsTimeDaysInMonth::GetDaysInPreviousMonth(zk::CheckedToInt16(month),
                                                      zk::CheckedToInt16(year));
}

std::int16_t MonthDays(std::int32_t month, std::int32_t year)
{
    return clsTimeDaysInMonth::GetDays(zk::CheckedToInt16(month), zk::CheckedToInt16(year));
}

} // namespace

void clsTimePoint::SetTime(std::int32_t h, std::int32_t m, std::int32_t s)
{
    Hour(h);
    Minute(m);
    Seconds(s);
}

void clsTimePoint::SetDay(std::int32_t y, std::int32_t m, std::int32_t d)
{
    Year(y);
    Month(m);
    Day(d);
}

void clsTimePoint::FixIt()
{
    BorrowRounds(m_seconds, m_minute, 0, 60);
    CarryRounds(m_seconds, m_minute, 0, 60);
    BorrowRounds(m_minute, m_hour, 0, 60);
    CarryRounds(m_minute, m_hour, 0, 60);
    BorrowRounds(m_hour, m_day, 0, 24);
    CarryRounds(m_hour, m_day, 0, 24);
    BorrowRounds(m_month, m_year, 1, 12);
    CarryRounds(m_month, m_year, 1, 12);

    std::int32_t p = PreviousMonthDays(m_month, m_year);
    if (m_day < 1 - kDaysInFourYears && m_year >= kMin16 + kYearMargin) {
        const std::int64_t byDays =
            (std::int64_t{1} - kDaysInFourYears - 1 - m_day) / kDaysInFourYears + 1;
        const std::int64_t byYear = (std::int64_t{m_year} - kMin16 - kYearMargin) / 4;
        const std::int64_t cycles = std::min(byDays, byYear);
        m_day = static_cast<std::int32_t>(m_day + cycles * kDaysInFourYears);
        m_year = static_cast<std::int32_t>(m_year - cycles * 4);
        p = PreviousMonthDays(m_month, m_year);
    }
    while (m_day < 1) {
        m_day += p;
        m_month -= 1;
        if (m_month == 0) {
            m_month = 12;
            m_year = zk::CheckedSub(m_year, 1);
        }
        p = PreviousMonthDays(m_month, m_year);
    }

    std::int32_t n = MonthDays(m_month, m_year);
    if (m_day > kLongestMonth + kDaysInFourYears && m_year <= kMax16 - kYearMargin) {
        const std::int64_t byDays =
            (std::int64_t{m_day} - kLongestMonth - kDaysInFourYears - 1) / kDaysInFourYears + 1;
        const std::int64_t byYear = (kMax16 - kYearMargin - std::int64_t{m_year}) / 4;
        const std::int64_t cycles = std::min(byDays, byYear);
        m_day = static_cast<std::int32_t>(m_day - cycles * kDaysInFourYears);
        m_year = static_cast<std::int32_t>(m_year + cycles * 4);
        n = MonthDays(m_month, m_year);
    }
    while (m_day > n) {
        m_day -= n;
        m_month += 1;
        if (m_month == 13) {
            m_month = 1;
            m_year = zk::CheckedAdd(m_year, 1);
        }
        n = MonthDays(m_month, m_year);
    }
}

void clsTimePoint::SetTimeFromTimePoint(const clsTimePoint &t)
{
    Year(t.Year());
    Month(t.Month());
    Day(t.Day());
    Hour(t.Hour());
    Minute(t.Minute());
    Seconds(t.Seconds());
}

void clsTimePoint::SetTimeFromClock()
{
    zk::SetTimePoint(*this, zk::CurrentClock().Now());
}

std::int16_t clsTimePoint::CompareTriples(std::int32_t a1, std::int32_t a2, std::int32_t a3,
                                          std::int32_t b1, std::int32_t b2, std::int32_t b3)
{
    if (a1 != b1)
        return a1 < b1 ? 1 : -1;
    if (a2 != b2)
        return a2 < b2 ? 1 : -1;
    if (a3 != b3)
        return a3 < b3 ? 1 : -1;
    return 0;
}

std::int16_t clsTimePoint::CompareToDates(const clsTimePoint &t) const
{
    return CompareTriples(Year(), Month(), Day(), t.Year(), t.Month(), t.Day());
}

std::int16_t clsTimePoint::CompareTo(const clsTimePoint &t) const
{
    std::int16_t r = CompareToDates(t);
    if (r == 0)
        r = CompareTriples(Hour(), Minute(), Seconds(), t.Hour(), t.Minute(), t.Seconds());
    return r;
}

bool clsTimePoint::IsBeforeTime(const clsTimePoint &t) const { return CompareTo(t) == 1; }
bool clsTimePoint::IsBeforeDate(const clsTimePoint &t) const { return CompareToDates(t) == 1; }
bool clsTimePoint::Equals(const clsTimePoint &t) const { return CompareTo(t) == 0; }
bool clsTimePoint::EqualDates(const clsTimePoint &t) const { return CompareToDates(t) == 0; }

std::int32_t clsTimePoint::GetDaysDifference(const clsTimePoint &t) const
{
    const std::int16_t c = CompareToDates(t);
    if (c == 0)
        return 0;
    clsTimePoint a;
    clsTimePoint b;
    a.SetTimeFromTimePoint(c == 1 ? *this : t);
    b.SetTimeFromTimePoint(c == 1 ? t : *this);

    // Saturates at 65536 + 32768 + ... + 1 = 131071 days.
    std::int32_t acc = 0;
    std::int32_t step = 65536;
    for (;;) {
        clsTimePoint probe;
        probe.SetTimeFromTimePoint(a);
        probe.Day(zk::CheckedAdd(zk::CheckedAdd(probe.Day(), acc), step));
        probe.FixIt();
        if (probe.IsBeforeDate(b) || probe.EqualDates(b))
            acc += step;
        step /= 2;
        if (probe.EqualDates(b) || step == 0)
            break;
    }
    return c == -1 ? -acc : acc;
}

std::int32_t clsTimePoint::GetSecondsDifference(const clsTimePoint &t) const
{
    using zk::CheckedAdd;
    using zk::CheckedMul;
    using zk::CheckedSub;
    const std::int32_t d = GetDaysDifference(t);
    std::int32_t r = CheckedMul(CheckedMul(CheckedSub(t.Hour(), Hour()), 60), 60);
    r = CheckedAdd(r, CheckedMul(CheckedMul(CheckedMul(d, 24), 60), 60));
    r = CheckedAdd(r, CheckedMul(CheckedSub(t.Minute(), Minute()), 60));
    return CheckedAdd(r, CheckedSub(t.Seconds(), Seconds()));
}

std::int32_t clsTimePoint::GetDayInWeek() const
{
    clsTimePoint reference;
    reference.SetDay(2001, 1, 1); // a Monday
    const std::int32_t d = reference.GetDaysDifference(*this);
    std::int32_t r = d % 7;
    if (r < 0)
        r += 7;
    return r + 1;
}

std::string clsTimePoint::GetTimeAsString() const
{
    return std::to_string(Hour()) + ":" + std::to_string(Minute()) + ":" +
           std::to_string(Seconds());
}

std::string clsTimePoint::GetDayAsString() const
{
    return std::to_string(Day()) + "/" + std::to_string(Month()) + "/" + std::to_string(Year());
}
