#pragma once

#include "platform/MonthNames.h"

namespace zk::test {

// Dutch abbreviations ("jan" ... "dec"), installed for the object's lifetime.
class FixedMonthNames : public MonthNames
{
public:
    FixedMonthNames() { SetCurrentMonthNames(this); }
    ~FixedMonthNames() override { SetCurrentMonthNames(nullptr); }
    std::string Abbreviated(int month) const override
    {
        static const char *names[] = {"jan", "feb", "mrt", "apr", "mei", "jun",
                                      "jul", "aug", "sep", "okt", "nov", "dec"};
        return month >= 1 && month <= 12 ? names[month - 1] : "";
    }
};

} // namespace zk::test
