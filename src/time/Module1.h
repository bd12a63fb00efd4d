#pragma once

#include <cstdint>
#include <string>

// A date-and-time group as a record holds it: year, month, day, hour, minute, seconds.
struct DateTimeGroup
{
    std::int32_t Year = 0;
    std::int32_t Month = 0;
    std::int32_t Day = 0;
    std::int32_t Hour = 0;
    std::int32_t Minute = 0;
    std::int32_t Seconds = 0;
};

// Texts of times, days and durations, as the person sees them.
std::string GetRecordTimeAsString(const DateTimeGroup &g);  // "9:5:3"
std::string GetRecordDayAsString(const DateTimeGroup &g);   // "Ongeldige dag", "Vandaag", "4 dec"
std::string GetDurationAsString(std::int32_t seconds, const std::string &minutesWord,
                                const std::string &hoursWord, const std::string &andWord);
std::string GetDurationAsShortString(std::int32_t seconds, const std::string &minutesWord,
                                     const std::string &hoursWord);
