#pragma once

#include "time/Module1.h"

#include <cstdint>
#include <optional>
#include <string>

namespace zk::report {

// One record of the activity log as the program sees it: the two date-and-time
// groups as stored, the elapsed seconds as the store computes them (nothing when
// that computation overflows 32 bits) and the unscrambled description.
struct ReportRecord
{
    std::int32_t nr = 0;
    DateTimeGroup start;
    DateTimeGroup end;
    std::optional<std::int32_t> elapsed;
    std::string description;
};

} // namespace zk::report
