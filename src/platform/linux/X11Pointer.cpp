#include "platform/linux/X11Pointer.h"

#include <QCursor>
#include <QGuiApplication>
#include <QScreen>

namespace zk {

PointerPosition X11Pointer::Position()
{
    const QPoint p = QCursor::pos();
    return {p.x(), p.y()};
}

ScreenSize X11Pointer::Screen()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return {};
    const QSize size = screen->size();
    return {size.width(), size.height()};
}

} // namespace zk
