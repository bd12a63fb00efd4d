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

// The date of a number of days from 1970-01-01 (the inverse of DaysFromCivil).
zk::LocalDateTime CivilFromDays(std::int64_t z)
{
    z += 719468;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const std::int64_t doe = z - era * 146097;
    const std::int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const std::int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const std::int64_t mp = (5 * doy + 2) / 153;
    const std::int64_t d = doy - (153 * mp + 2) / 5 + 1;
    const std::int64_t m = mp < 10 ? mp + 3 : mp - 9;
    zk::LocalDateTime t;
    t.year = static_cast<std::int32_t>(yoe + era * 400 + (m <= 2));
    t.month = static_cast<std::int32_t>(m);
    t.day = static_cast<std::int32_t>(d);
    return t;
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

zk::LocalDateTime LocalFromClockSeconds(std::int64_t seconds)
{
    const std::int64_t days = (seconds >= 0 ? seconds : seconds - 86399) / 86400;
    const std::int64_t inDay = seconds - days * 86400;
    zk::LocalDateTime t = CivilFromDays(days);
    t.hour = static_cast<std::int32_t>(inDay / 3600);
    t.minute = static_cast<std::int32_t>(inDay / 60 % 60);
    t.second = static_cast<std::int32_t>(inDay % 60);
    return t;
}
