#include "platform/linux/DBusLocker.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QProcess>

#include <cstdio>

namespace zk {
namespace {

constexpr int kTimeoutMs = 5000;

// The error's text, empty when the call succeeded.
QString Call(QDBusConnection bus, const QString &service, const QString &path,
             const QString &interface, const QString &method, const QVariantList &args,
             QDBusMessage *reply = nullptr)
{
    if (!bus.isConnected())
        return bus.lastError().message().isEmpty() ? QStringLiteral("no bus")
                                                   : bus.lastError().message();
    QDBusMessage call = QDBusMessage::createMethodCall(service, path, interface, method);
    call.setArguments(args);
    const QDBusMessage answer = bus.call(call, QDBus::Block, kTimeoutMs);
    if (answer.type() == QDBusMessage::ErrorMessage)
        return answer.errorMessage().isEmpty() ? answer.errorName() : answer.errorMessage();
    if (reply)
        *reply = answer;
    return {};
}

QString LockLogin1()
{
    const QString login1 = QStringLiteral("org.freedesktop.login1");
    QDBusMessage reply;
    const QVariantList pid{static_cast<quint32>(QCoreApplication::applicationPid())};
    QString failure = Call(QDBusConnection::systemBus(), login1,
                           QStringLiteral("/org/freedesktop/login1"),
                           QStringLiteral("org.freedesktop.login1.Manager"),
                           QStringLiteral("GetSessionByPID"), pid, &reply);
    if (!failure.isEmpty())
        return failure;
    const QVariantList values = reply.arguments();
    if (values.isEmpty() || !values.first().canConvert<QDBusObjectPath>())
        return QStringLiteral("GetSessionByPID gave no session");
    return Call(QDBusConnection::systemBus(), login1,
                values.first().value<QDBusObjectPath>().path(),
                QStringLiteral("org.freedesktop.login1.Session"), QStringLiteral("Lock"), {});
}

QString LockScreenSaver()
{
    return Call(QDBusConnection::sessionBus(), QStringLiteral("org.freedesktop.ScreenSaver"),
                QStringLiteral("/org/freedesktop/ScreenSaver"),
                QStringLiteral("org.freedesktop.ScreenSaver"), QStringLiteral("Lock"), {});
}

QString LockXdgScreensaver()
{
    QProcess process;
    process.start(QStringLiteral("xdg-screensaver"), {QStringLiteral("lock")});
    if (!process.waitForFinished(kTimeoutMs))
        return QStringLiteral("xdg-screensaver: ") + process.errorString();
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        return QStringLiteral("xdg-screensaver lock failed (%1)").arg(process.exitCode());
    return {};
}

} // namespace

bool DBusLocker::Lock()
{
    QStringList failures;
    for (QString (*attempt)() : {LockLogin1, LockScreenSaver, LockXdgScreensaver}) {
        const QString failure = attempt();
        if (failure.isEmpty())
            return true;
        failures << failure;
    }
    std::fprintf(stderr, "zitklok: the session could not be locked: %s\n",
                 qPrintable(failures.join(QStringLiteral("; "))));
    return false;
}

} // namespace zk
