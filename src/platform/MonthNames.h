#pragma once

#include <string>

namespace zk {

// Abbreviated month names of the regional settings ("dec" under Dutch ones,
// "Dec" under English ones), as 8-bit text.
class MonthNames
{
public:
    virtual ~MonthNames() = default;
    // month is 1 to 12; any other value gives the empty text.
    virtual std::string Abbreviated(int month) const = 0;
};

// The month names in use: a fixed English table unless SetCurrentMonthNames
// installed another one (the program installs the system locale's).
MonthNames &CurrentMonthNames();
void SetCurrentMonthNames(MonthNames *names);

} // namespace zk
