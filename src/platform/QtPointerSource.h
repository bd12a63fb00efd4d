#pragma once

#include "platform/PointerSource.h"

#include <QElapsedTimer>

#include <memory>

namespace zk {

class IdleTimeActivity;
class IdleTimeSource;

// The pointer as Qt sees it. On X11, Windows and other platforms that report
// the global pointer: QCursor::pos() and the primary screen's size.
// In a Wayland session (WaylandSession(), whatever platform plugin Qt
// loaded), where a client cannot see the pointer outside its own windows,
// activity comes from the compositor's idle time, which counts the keyboard
// too: org.gnome.Mutter.IdleMonitor over D-Bus, then ext-idle-notify and
// kwin idle over Wayland (WaylandIdleTime), then
// org.freedesktop.ScreenSaver; the first that answers wins. It shows as a
// synthetic position that changes at every look after input; when none
// answers, CanSeeActivity() is false. Needs a QGuiApplication.
class QtPointerSource : public PointerSource
{
public:
    QtPointerSource();
    ~QtPointerSource() override;

    PointerPosition Position() override;
    ScreenSize Screen() override;
    bool CanSeeActivity() const override;

    // True when activity is read from the idle time (Wayland).
    bool UsesIdleTime() const { return m_activity != nullptr; }
    // WAYLAND_DISPLAY set, XDG_SESSION_TYPE "wayland", or Qt's Wayland platform.
    static bool WaylandSession();

private:
    std::unique_ptr<IdleTimeSource> m_mutter;
    std::unique_ptr<IdleTimeSource> m_wayland;
    std::unique_ptr<IdleTimeSource> m_screenSaver;
    std::unique_ptr<IdleTimeActivity> m_activity;
    QElapsedTimer m_steady;
};

} // namespace zk
