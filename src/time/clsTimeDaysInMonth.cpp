#include "time/clsTimeDaysInMonth.h"

#include "time/OverflowError.h"

std::int16_t clsTimeDaysInMonth::GetDays(std::int16_t Month, std::int16_t Year)
{
    switch (Month) {
    case 1: case 3: case 5: case 7: case 8: case 10: case 12:
        return 31;
    case 4: case 6: case 9: case 11:
        return 30;
    case 2:
        // The remainder keeps the sign of the year, as C++'s % does: -4 is a leap year, -1 not.
        return Year % 4 == 0 ? 29 : 28;
    default:
        return 0;
    }
}

std::int16_t clsTimeDaysInMonth::GetDaysInPreviousMonth(std::int16_t Month, std::int16_t Year)
{
    if (Month == 1)
        return GetDays(12, zk::CheckedToInt16(static_cast<std::int32_t>(Year) - 1));
    return GetDays(zk::CheckedToInt16(static_cast<std::int32_t>(Month) - 1), Year);
}
