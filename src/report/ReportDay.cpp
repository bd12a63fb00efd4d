#include "report/ReportDay.h"

#include "time/clsTimeDaysInMonth.h"
#include "time/clsTimePoint.h"

#include <cstdio>

namespace zk::report {

namespace {

bool IsDigits(const std::string &s, std::size_t from, std::size_t n)
{
    for (std::size_t i = from; i < from + n; ++i)
        if (s[i] < '0' || s[i] > '9')
            return false;
    return true;
}

} // namespace

std::optional<ReportDay> ReportDay::FromFields(std::int32_t year, std::int32_t month,
                                               std::int32_t day)
{
    if (year < 1 || year > 32767 || month < 1 || month > 12 || day < 1)
        return std::nullopt;
    const auto days = clsTimeDaysInMonth::GetDays(static_cast<std::int16_t>(month),
                                                  static_cast<std::int16_t>(year));
    if (day > days)
        return std::nullopt;
    return ReportDay{year, month, day};
}

std::optional<ReportDay> ReportDay::Parse(const std::string &text)
{
    if (text.size() != 10 || text[4] != '-' || text[7] != '-' || !IsDigits(text, 0, 4) ||
        !IsDigits(text, 5, 2) || !IsDigits(text, 8, 2))
        return std::nullopt;
    return FromFields(std::stoi(text.substr(0, 4)), std::stoi(text.substr(5, 2)),
                      std::stoi(text.substr(8, 2)));
}

std::string ReportDay::ToText() const
{
    char buf[32];
    std::snprintf(buf, sizeof buf, "%04d-%02d-%02d", static_cast<int>(year),
                  static_cast<int>(month), static_cast<int>(day));
    return buf;
}

std::int32_t ReportDay::DayInWeek() const
{
    clsTimePoint t;
    t.SetDay(year, month, day);
    return t.GetDayInWeek();
}

ReportDay ReportDay::Plus(std::int32_t days) const
{
    clsTimePoint t;
    t.SetDay(year, month, day + days);
    t.FixIt();
    return {t.Year(), t.Month(), t.Day()};
}

} // namespace zk::report
