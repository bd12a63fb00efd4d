#include "totals/TotalsText.h"

namespace zk {

namespace {

// As printf's "%0*llu", without parsing a format for every cell of a long table.
void AppendNumber(std::string &out, std::uint64_t value, int minDigits)
{
    char buf[24];
    char *end = buf + sizeof buf;
    char *p = end;
    do {
        *--p = static_cast<char>('0' + value % 10);
        value /= 10;
    } while (value != 0);
    while (end - p < minDigits)
        *--p = '0';
    out.append(p, end);
}

} // namespace

void AppendHoursMinutes(std::string &out, std::int64_t seconds)
{
    const std::uint64_t magnitude = seconds < 0 ? 0 - static_cast<std::uint64_t>(seconds)
                                                : static_cast<std::uint64_t>(seconds);
    if (seconds <= -60)
        out += '-';
    AppendNumber(out, magnitude / 3600, 1);
    out += ':';
    AppendNumber(out, magnitude % 3600 / 60, 2);
}

std::string HoursMinutes(std::int64_t seconds)
{
    std::string out;
    AppendHoursMinutes(out, seconds);
    return out;
}

std::size_t HoursMinutesWidth(std::int64_t seconds)
{
    std::int64_t hours = (seconds < 0 ? -seconds : seconds) / 3600;
    std::size_t width = seconds <= -60 ? 5 : 4; // sign, one digit, ":MM"
    while (hours >= 10) {
        hours /= 10;
        ++width;
    }
    return width;
}

std::string UserHeading(const std::string &name)
{
    return name.empty() ? "(no name)" : name;
}

} // namespace zk
