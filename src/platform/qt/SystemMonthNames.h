#pragma once

#include "platform/MonthNames.h"

namespace zk {

// The abbreviated month names of the system's regional settings (QLocale::system()),
// as 8-bit text; a character outside Latin-1 becomes "?". A trailing dot some
// locales add ("dec.") is kept, as the regional settings give it.
class SystemMonthNames : public MonthNames
{
public:
    std::string Abbreviated(int month) const override;
};

} // namespace zk
