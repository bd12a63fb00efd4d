#include "time/Module1.h"

#include "platform/Clock.h"
#include "platform/MonthNames.h"

namespace {

// Truncating division with the remainder keeping the sign of the dividend, as
// C++ defines it, gives the hours and minutes the texts show.
struct HoursMinutes
{
    std::int32_t hours;
    std::int32_t minutes;
};

HoursMinutes Split(std::int32_t seconds)
{
    return {seconds / 3600, (seconds % 3600) / 60};
}

} // namespace

std::string GetRecordTimeAsString(const zk::LocalDateTime &g)
{
    return std::to_string(g.hour) + ":" + std::to_string(g.minute) + ":" +
           std::to_string(g.second);
}

std::string GetRecordDayAsString(const zk::LocalDateTime &g)
{
    if (g.month < 1 || g.month > 12 || g.day < 1)
        return "Ongeldige dag";
    // The year takes part, so a record of last year on today's date keeps its date.
    const zk::LocalDateTime now = zk::CurrentClock().Now();
    if (g.day == now.day && g.month == now.month && g.year == now.year)
        return "Vandaag";
    return std::to_string(g.day) + " " + zk::CurrentMonthNames().Abbreviated(g.month);
}

std::string GetDurationAsString(std::int32_t seconds, const std::string &minutesWord,
                                const std::string &hoursWord, const std::string &andWord)
{
    const HoursMinutes hm = Split(seconds);
    const std::string minutesText = std::to_string(hm.minutes) + " " + minutesWord;
    if (hm.hours == 0)
        return minutesText;
    return std::to_string(hm.hours) + " " + hoursWord + " " + andWord + " " + minutesText;
}

std::string GetDurationAsShortString(std::int32_t seconds, const std::string &minutesWord,
                                     const std::string &hoursWord)
{
    const HoursMinutes hm = Split(seconds);
    if (hm.hours == 0 && hm.minutes == 0)
        return {};
    if (hm.hours == 0)
        return std::to_string(hm.minutes) + " " + minutesWord;
    return std::to_string(hm.hours) + " " + hoursWord + " " + std::to_string(hm.minutes);
}
