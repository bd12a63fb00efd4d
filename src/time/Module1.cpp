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

std::string GetRecordTimeAsString(const DateTimeGroup &g)
{
    return std::to_string(g.Hour) + ":" + std::to_string(g.Minute) + ":" +
           std::to_string(g.Seconds);
}

std::string GetRecordDayAsString(const DateTimeGroup &g)
{
    if (g.Month < 1 || g.Month > 12 || g.Day < 1)
        return "Ongeldige dag";
    // The year takes part, so a record of last year on today's date keeps its date.
    const zk::LocalDateTime now = zk::CurrentClock().Now();
    if (g.Day == now.day && g.Month == now.month && g.Year == now.year)
        return "Vandaag";
    return std::to_string(g.Day) + " " + zk::CurrentMonthNames().Abbreviated(g.Month);
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
