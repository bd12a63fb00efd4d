#pragma once

#include "platform/PointerSource.h"

namespace zk {

// The global pointer where the display server shows it to every client (X11):
// QCursor::pos() and the primary screen's size. Needs a QGuiApplication.
class X11Pointer : public PointerSource
{
public:
    PointerPosition Position() override;
    ScreenSize Screen() override;
};

} // namespace zk
