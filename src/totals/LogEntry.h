#pragma once

#include "platform/Clock.h"

#include <cstdint>
#include <optional>
#include <string>

namespace zk {

// One record of the activity log as the program sees it: the start and end
// fields as stored, the elapsed seconds as the store computes them (nothing
// when that computation overflows 32 bits) and the unscrambled description.
struct LogEntry
{
    std::int32_t nr = 0;
    LocalDateTime start;
    LocalDateTime end;
    std::optional<std::int32_t> elapsed;
    std::string description;
};

} // namespace zk
