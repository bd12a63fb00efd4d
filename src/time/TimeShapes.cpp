#include "time/TimeShapes.h"

#include "time/clsTimePoint.h"

#include <chrono>

namespace zk {

namespace {

using namespace std::chrono;

// The real calendar repeats every 400 years, which keeps std::chrono's years
// (16 bits) in range whatever a damaged record holds.
constexpr std::int64_t kCycleYears = 400;
constexpr std::int64_t kCycleDays = 146097;

std::int64_t FloorDiv(std::int64_t a, std::int64_t b)
{
    return a / b - (a % b != 0 && (a < 0) != (b < 0));
}

// Days from 1970-01-01 of the first of a month, any year.
std::int64_t DaysOfMonthStart(std::int64_t year, std::int64_t month)
{
    const std::int64_t cycles = FloorDiv(year, kCycleYears);
    const auto y = static_cast<int>(year - cycles * kCycleYears);
    const sys_days first{year_month_day{::std::chrono::year{y},
                                        ::std::chrono::month{static_cast<unsigned>(month)},
                                        ::std::chrono::day{1}}};
    return first.time_since_epoch().count() + cycles * kCycleDays;
}

} // namespace

LocalDateTime ToLocalDateTime(const clsTimePoint &t)
{
    return {t.Year(), t.Month(), t.Day(), t.Hour(), t.Minute(), t.Seconds()};
}

void SetTimePoint(clsTimePoint &t, const LocalDateTime &value)
{
    t.SetDay(value.year, value.month, value.day);
    t.SetTime(value.hour, value.minute, value.second);
}

std::int64_t ClockSeconds(const LocalDateTime &t)
{
    // Record fields are 32-bit values that nobody range-checks: in 64 bits
    // any of them gives an exact number of seconds.
    const std::int64_t m0 = std::int64_t{t.month} - 1;
    const std::int64_t carry = FloorDiv(m0, 12);
    const std::int64_t days = DaysOfMonthStart(t.year + carry, m0 - carry * 12 + 1) + t.day - 1;
    return days * 86400 + std::int64_t{t.hour} * 3600 + std::int64_t{t.minute} * 60 + t.second;
}

std::int64_t ClockSeconds(const clsTimePoint &t)
{
    return ClockSeconds(ToLocalDateTime(t));
}

std::int64_t ClockSecondsNow()
{
    return ClockSeconds(CurrentClock().Now());
}

LocalDateTime LocalFromClockSeconds(std::int64_t seconds)
{
    const std::int64_t days = FloorDiv(seconds, 86400);
    const std::int64_t inDay = seconds - days * 86400;
    const std::int64_t cycles = FloorDiv(days, kCycleDays);
    const year_month_day date{sys_days{::std::chrono::days{days - cycles * kCycleDays}}};
    LocalDateTime t;
    t.year = static_cast<std::int32_t>(int{date.year()} + cycles * kCycleYears);
    t.month = static_cast<std::int32_t>(unsigned{date.month()});
    t.day = static_cast<std::int32_t>(unsigned{date.day()});
    t.hour = static_cast<std::int32_t>(inDay / 3600);
    t.minute = static_cast<std::int32_t>(inDay / 60 % 60);
    t.second = static_cast<std::int32_t>(inDay % 60);
    return t;
}

} // namespace zk
