#pragma once

#include "platform/PointerSource.h"

namespace zk::test {

class FakePointer : public PointerSource
{
public:
    PointerPosition Position() override { return position; }
    ScreenSize Screen() override { return screen; }
    bool CanSeeActivity() const override { return canSee; }

    PointerPosition position{0, 0};
    ScreenSize screen{1920, 1080};
    bool canSee = true;
};

} // namespace zk::test
