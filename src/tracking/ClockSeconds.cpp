#include "tracking/ClockSeconds.h"

namespace {

// Days from 1970-01-01 of a proleptic Gregorian date (H. Hinnant's algorithm).
std::int64_t DaysFromCivil(std::int64_t y, std::int64_t m, std::int64_t d)
{
    y -= m <= 2;
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const std::int64_t yoe = y - era * 400;
    const std::int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const std::int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

} // namespace

std::int64_t ClockSeconds(std::int64_t year, std::int64_t month, std::int64_t day,
                          std::int64_t hour, std::int64_t minute, std::int64_t second)
{
    // Record fields are 32-bit values that nobody range-checks; keep the
    // arithmetic far inside 64 bits whatever they hold.
    auto clampField = [](std::int64_t v) {
        constexpr std::int64_t limit = 1'000'000'000;
        return v < -limit ? -limit : (v > limit ? limit : v);
    };
    year = clampField(year);
    month = clampField(month);
    day = clampField(day);
    const std::int64_t m0 = month - 1;
    const std::int64_t carry = m0 >= 0 ? m0 / 12 : (m0 - 11) / 12;
    year += carry;
    month = m0 - carry * 12 + 1;
    return DaysFromCivil(year, month, day) * 86400 + clampField(hour) * 3600
           + clampField(minute) * 60 + clampField(second);
}

std::int64_t ClockSeconds(const zk::LocalDateTime &t)
{
    return ClockSeconds(t.year, t.month, t.day, t.hour, t.minute, t.second);
}

std::int64_t ClockSecondsNow()
{
    return ClockSeconds(zk::CurrentClock().Now());
}
