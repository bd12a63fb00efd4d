#pragma once

#include <cstdint>

namespace zk {

struct PointerPosition
{
    std::int32_t x = 0;
    std::int32_t y = 0;
    bool operator==(const PointerPosition &) const = default;
};

struct ScreenSize
{
    std::int32_t width = 0;
    std::int32_t height = 0;
};

// Where the pointer is on the screen, in screen pixels.
class PointerSource
{
public:
    virtual ~PointerSource() = default;
    virtual PointerPosition Position() = 0;
    virtual ScreenSize Screen() = 0;
    // False when this session cannot see pointer movement at all; the
    // automatic stop must then not act.
    virtual bool CanSeeActivity() const { return true; }
};

} // namespace zk
