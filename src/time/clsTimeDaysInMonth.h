#pragma once

#include <cstdint>

// Days of a month in the simplified calendar (every fourth year is a leap year).
class clsTimeDaysInMonth
{
public:
    static std::int16_t GetDays(std::int16_t Month, std::int16_t Year);
    static std::int16_t GetDaysInPreviousMonth(std::int16_t Month, std::int16_t Year);
};
