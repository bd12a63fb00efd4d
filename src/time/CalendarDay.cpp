#include "time/CalendarDay.h"

#include "time/OverflowError.h"

#include <cstdio>

namespace zk {

namespace {

using namespace std::chrono;

constexpr std::int32_t kFirstYear = 1;
constexpr std::int32_t kLastYear = 32767;

bool IsDigits(const std::string &s, std::size_t from, std::size_t n)
{
    for (std::size_t i = from; i < from + n; ++i)
        if (s[i] < '0' || s[i] > '9')
            return false;
    return true;
}

year_month_day Ymd(std::int32_t y, std::int32_t m, std::int32_t d)
{
    return {::std::chrono::year{y}, ::std::chrono::month{static_cast<unsigned>(m)},
            ::std::chrono::day{static_cast<unsigned>(d)}};
}

} // namespace

std::optional<CalendarDay> CalendarDay::FromFields(std::int32_t year, std::int32_t month,
                                                   std::int32_t day)
{
    if (year < kFirstYear || year > kLastYear || month < 1 || month > 12 || day < 1 || day > 31)
        return std::nullopt;
    if (!Ymd(year, month, day).ok())
        return std::nullopt;
    return CalendarDay{year, month, day};
}

std::optional<CalendarDay> CalendarDay::Parse(const std::string &text)
{
    if (text.size() != 10 || text[4] != '-' || text[7] != '-' || !IsDigits(text, 0, 4) ||
        !IsDigits(text, 5, 2) || !IsDigits(text, 8, 2))
        return std::nullopt;
    return FromFields(std::stoi(text.substr(0, 4)), std::stoi(text.substr(5, 2)),
                      std::stoi(text.substr(8, 2)));
}

std::string CalendarDay::ToText() const
{
    char buf[32];
    std::snprintf(buf, sizeof buf, "%04d-%02d-%02d", static_cast<int>(year),
                  static_cast<int>(month), static_cast<int>(day));
    return buf;
}

sys_days CalendarDay::Days() const
{
    return sys_days{Ymd(year, month, day)};
}

std::int32_t CalendarDay::DayInWeek() const
{
    return static_cast<std::int32_t>(weekday{Days()}.iso_encoding());
}

CalendarDay CalendarDay::Plus(std::int32_t days) const
{
    static const sys_days first{Ymd(kFirstYear, 1, 1)};
    static const sys_days last{Ymd(kLastYear, 12, 31)};
    const sys_days moved = Days() + ::std::chrono::days{days};
    if (moved < first || moved > last)
        throw OverflowError("overflow: a day outside the years 1 to 32767");
    const year_month_day d{moved};
    return {int{d.year()}, static_cast<std::int32_t>(unsigned{d.month()}),
            static_cast<std::int32_t>(unsigned{d.day()})};
}

} // namespace zk
