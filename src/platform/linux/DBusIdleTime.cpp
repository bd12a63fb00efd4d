#include "platform/linux/DBusIdleTime.h"

#include <QDBusConnection>
#include <QDBusMessage>

namespace zk {

DBusIdleTime::DBusIdleTime(QString service, QString path, QString interface, QString method,
                           std::uint64_t unitMs)
    : m_service(std::move(service))
    , m_path(std::move(path))
    , m_interface(std::move(interface))
    , m_method(std::move(method))
    , m_unitMs(unitMs)
{}

std::optional<std::uint64_t> DBusIdleTime::IdleMilliseconds()
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

} // namespace zk
