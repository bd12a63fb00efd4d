#include "platform/linux/QtPointerSource.h"

#include "platform/IdleTimeActivity.h"
#include "platform/linux/MutterIdleTime.h"
#include "platform/linux/ScreenSaverIdleTime.h"
#include "platform/linux/WaylandIdleTime.h"

#include <QGuiApplication>

namespace zk {

bool QtPointerSource::WaylandSession()
{
    // Under XWayland Qt's platform is "xcb", yet the pointer it reports only
    // moves over X11 windows: the session decides, not the platform plugin.
    return QGuiApplication::platformName() == QLatin1String("wayland")
           || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")
           || qEnvironmentVariable("XDG_SESSION_TYPE") == QLatin1String("wayland");
}

QtPointerSource::QtPointerSource()
{
    m_steady.start();
    if (!WaylandSession())
        return;
    m_mutter = std::make_unique<MutterIdleTime>();
    m_wayland = std::make_unique<WaylandIdleTime>();
    m_screenSaver = std::make_unique<ScreenSaverIdleTime>();
    m_activity = std::make_unique<IdleTimeActivity>(
        std::vector<IdleTimeSource *>{m_mutter.get(), m_wayland.get(), m_screenSaver.get()},
        m_steady.elapsed());
}

QtPointerSource::~QtPointerSource() = default;

PointerPosition QtPointerSource::Position()
{
    if (m_activity)
        return m_activity->Look(m_steady.elapsed(), Screen());
    return m_pointer.Position();
}

ScreenSize QtPointerSource::Screen()
{
    return m_pointer.Screen();
}

bool QtPointerSource::CanSeeActivity() const
{
    return !m_activity || m_activity->CanSeeActivity();
}

} // namespace zk
