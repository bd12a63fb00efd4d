#pragma once

#include <cstdint>
#include <optional>

namespace zk {

// How long the session has had no input (pointer or keyboard), as the desktop
// tells it; nothing when the desktop does not answer.
class IdleTimeSource
{
public:
    virtual ~IdleTimeSource() = default;
    virtual std::optional<std::uint64_t> IdleMilliseconds() = 0;
};

} // namespace zk
