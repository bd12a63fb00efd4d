#pragma once

#include "platform/Clock.h"

#include <cstdint>
#include <string>

// Texts of times, days and durations, as the person sees them.
std::string GetRecordTimeAsString(const zk::LocalDateTime &g);  // "9:5:3"
std::string GetRecordDayAsString(const zk::LocalDateTime &g);   // "Ongeldige dag", "Vandaag", "4 dec"
std::string GetDurationAsString(std::int32_t seconds, const std::string &minutesWord,
                                const std::string &hoursWord, const std::string &andWord);
std::string GetDurationAsShortString(std::int32_t seconds, const std::string &minutesWord,
                                     const std::string &hoursWord);
