#include "platform/qt/FitOnScreen.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace zk {

namespace {
// A frame as window managers commonly draw it, for a window whose frame is not
// known yet (before its first show).
constexpr int kFrameWidth = 8;
constexpr int kFrameHeight = 32;
} // namespace

void FitOnScreen(QWidget &window)
{
    const QScreen *screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    const QRect outer = window.frameGeometry();
    int frameWidth = outer.width() - window.width();
    int frameHeight = outer.height() - window.height();
    if (!window.isVisible() && frameHeight <= 0) {
        frameWidth = kFrameWidth;
        frameHeight = kFrameHeight;
    }
    const QSize room(area.width() - frameWidth, area.height() - frameHeight);
    const QSize size = window.size().boundedTo(room).expandedTo(window.minimumSize());
    if (size != window.size())
        window.resize(size);
    // A Wayland compositor places windows itself and keeps them on screen.
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
        return;
    const QSize whole(size.width() + frameWidth, size.height() + frameHeight);
    QPoint at = outer.topLeft();
    if (!window.isVisible())
        at = area.center() - QPoint(whole.width() / 2, whole.height() / 2);
    at.setX(
        std::clamp(at.x(), area.left(), std::max(area.left(), area.right() + 1 - whole.width())));
    at.setY(
        std::clamp(at.y(), area.top(), std::max(area.top(), area.bottom() + 1 - whole.height())));
    if (at != outer.topLeft())
        window.move(at);
}

} // namespace zk
