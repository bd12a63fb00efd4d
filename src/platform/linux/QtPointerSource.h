#pragma once

#include "platform/PointerSource.h"
#include "platform/linux/X11Pointer.h"

#include <QElapsedTimer>

#include <memory>

namespace zk {

class IdleTimeActivity;
class IdleTimeSource;

// The pointer of this session. Where the display server shows the global
// pointer (X11): X11Pointer. In a Wayland session (WaylandSession(), whatever
// platform plugin Qt loaded), where a client cannot see the pointer outside
// its own windows, activity comes from the compositor's idle time, which
// counts the keyboard too: MutterIdleTime over D-Bus, then WaylandIdleTime
// (ext-idle-notify or kwin idle), then ScreenSaverIdleTime; the first that
// answers wins. It shows as a synthetic position that changes at every look
// after input; when none answers, CanSeeActivity() is false. Needs a
// QGuiApplication.
class QtPointerSource : public PointerSource
{
public:
    QtPointerSource();
    ~QtPointerSource() override;

    PointerPosition Position() override;
    ScreenSize Screen() override;
    bool CanSeeActivity() const override;

    // WAYLAND_DISPLAY set, XDG_SESSION_TYPE "wayland", or Qt's Wayland platform.
    static bool WaylandSession();

private:
    X11Pointer m_pointer;
    std::unique_ptr<IdleTimeSource> m_mutter;
    std::unique_ptr<IdleTimeSource> m_wayland;
    std::unique_ptr<IdleTimeSource> m_screenSaver;
    std::unique_ptr<IdleTimeActivity> m_activity;
    QElapsedTimer m_steady;
};

} // namespace zk
