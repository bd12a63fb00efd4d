#pragma once

#include "platform/PointerSource.h"

#include <QElapsedTimer>

#include <memory>

namespace zk {

class IdleTimeActivity;
class IdleTimeSource;

// The pointer as Qt sees it. On X11 ("xcb"), Windows and other platforms that
// report the global pointer: QCursor::pos() and the primary screen's size.
// On Wayland, where a client cannot see the pointer outside its own windows,
// activity comes from the session's idle time over D-Bus
// (org.gnome.Mutter.IdleMonitor, then org.freedesktop.ScreenSaver) as a
// synthetic position that changes at every look after input; when neither
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

private:
    std::unique_ptr<IdleTimeSource> m_mutter;
    std::unique_ptr<IdleTimeSource> m_screenSaver;
    std::unique_ptr<IdleTimeActivity> m_activity;
    QElapsedTimer m_steady;
};

} // namespace zk
