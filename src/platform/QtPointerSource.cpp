#include "platform/QtPointerSource.h"

#include "platform/IdleTimeActivity.h"
#include "platform/IdleTimeSource.h"
#ifdef ZITKLOK_WAYLAND_IDLE
#include "platform/WaylandIdleTime.h"
#endif

#include <QCursor>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QGuiApplication>
#include <QScreen>

namespace zk {
namespace {

// One idle-time method on the session bus. A short timeout keeps a missing or
// hung service from freezing the look (the default wait is 25 seconds).
class DBusIdleTime : public IdleTimeSource
{
public:
    DBusIdleTime(QString service, QString path, QString interface, QString method,
                 std::uint64_t unitMs)
        : m_service(std::move(service))
        , m_path(std::move(path))
        , m_interface(std::move(interface))
        , m_method(std::move(method))
        , m_unitMs(unitMs)
    {}

    std::optional<std::uint64_t> IdleMilliseconds() override
    {
        QDBusConnection bus = QDBusConnection::sessionBus();
        if (!bus.isConnected())
            return std::nullopt;
        const QDBusMessage call
            = QDBusMessage::createMethodCall(m_service, m_path, m_interface, m_method);
        const QDBusMessage reply = bus.call(call, QDBus::Block, 500);
        if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
            return std::nullopt;
        bool ok = false;
        const qulonglong value = reply.arguments().constFirst().toULongLong(&ok);
        if (!ok)
            return std::nullopt;
        return static_cast<std::uint64_t>(value) * m_unitMs;
    }

private:
    QString m_service, m_path, m_interface, m_method;
    std::uint64_t m_unitMs;
};

} // namespace

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
    m_mutter = std::make_unique<DBusIdleTime>(
        "org.gnome.Mutter.IdleMonitor", "/org/gnome/Mutter/IdleMonitor/Core",
        "org.gnome.Mutter.IdleMonitor", "GetIdletime", 1);
    // The freedesktop interface counts whole seconds.
    m_screenSaver = std::make_unique<DBusIdleTime>(
        "org.freedesktop.ScreenSaver", "/org/freedesktop/ScreenSaver",
        "org.freedesktop.ScreenSaver", "GetSessionIdleTime", 1000);
#ifdef ZITKLOK_WAYLAND_IDLE
    m_wayland = std::make_unique<WaylandIdleTime>();
#endif
    m_activity = std::make_unique<IdleTimeActivity>(
        std::vector<IdleTimeSource *>{m_mutter.get(), m_wayland.get(), m_screenSaver.get()},
        m_steady.elapsed());
}

QtPointerSource::~QtPointerSource() = default;

PointerPosition QtPointerSource::Position()
{
    if (m_activity)
        return m_activity->Look(m_steady.elapsed(), Screen());
    const QPoint p = QCursor::pos();
    return {p.x(), p.y()};
}

ScreenSize QtPointerSource::Screen()
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return {};
    const QSize size = screen->size();
    return {size.width(), size.height()};
}

bool QtPointerSource::CanSeeActivity() const
{
    return !m_activity || m_activity->CanSeeActivity();
}

} // namespace zk
