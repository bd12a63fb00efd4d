#include "platform/qt/SingleInstance.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QThread>

namespace zk {

namespace {
// "show", a space and the token when there is one, and a new line.
const QByteArray kShowRequest = "show";
}

SingleInstance::SingleInstance(const QString &logPath, QObject *parent)
    : QObject(parent)
    , m_logPath(logPath)
{
}

SingleInstance::~SingleInstance() = default;

QString SingleInstance::ServerNameFor(const QString &logPath)
{
    // The same log reached through another spelling of its folder must give
    // the same name; a hash keeps it short enough for a socket path.
    const QFileInfo info(logPath);
    const QString canonicalFolder = QFileInfo(info.absolutePath()).canonicalFilePath();
    const QString key =
        (canonicalFolder.isEmpty() ? info.absolutePath() : canonicalFolder) + "/" + info.fileName();
    const QByteArray hash =
        QCryptographicHash::hash(key.toUtf8(), QCryptographicHash::Sha1).toHex().left(16);
    return "zitklok-" + QString::fromLatin1(hash);
}

QString SingleInstance::ServerName() const
{
    return ServerNameFor(m_logPath);
}

bool SingleInstance::TryBecomeFirst()
{
    m_error.clear();
    auto lock = std::make_unique<QLockFile>(LockPath());
    // A running program keeps its lock however long it runs; only a lock of a
    // process that is gone counts as stale.
    lock->setStaleLockTime(0);
    if (!lock->tryLock(0)) {
        if (lock->error() != QLockFile::LockFailedError)
            m_error = "the lock file " + LockPath() + " cannot be created";
        return false;
    }
    m_lock = std::move(lock);

    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    // We hold the lock, so a socket of that name is a leftover of a killed program.
    QLocalServer::removeServer(ServerName());
    if (!m_server->listen(ServerName())) {
        // Without the socket a later start cannot reach us, but it still finds
        // the lock and ends; this program runs on.
        m_error = "cannot listen on " + ServerName() + ": " + m_server->errorString();
    }
    connect(m_server, &QLocalServer::newConnection, this, &SingleInstance::OnNewConnection);
    return true;
}

void SingleInstance::OnNewConnection()
{
    while (QLocalSocket *socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            while (socket->canReadLine()) {
                const QByteArray line = socket->readLine().chopped(1);
                if (line == kShowRequest)
                    emit showRequested({});
                else if (line.startsWith(kShowRequest + ' '))
                    emit showRequested(line.mid(kShowRequest.size() + 1));
            }
        });
    }
}

bool SingleInstance::AskFirstToShow(int timeoutMs, const QByteArray &activationToken)
{
    QByteArray request = kShowRequest;
    if (!activationToken.isEmpty() && !activationToken.contains('\n'))
        request += ' ' + activationToken;
    request += '\n';
    // The first program may be between taking its lock and listening: retry
    // until the deadline.
    const QDeadlineTimer deadline(timeoutMs);
    while (true) {
        QLocalSocket socket;
        socket.connectToServer(ServerName());
        if (socket.waitForConnected(
                static_cast<int>(std::max<qint64>(1, deadline.remainingTime())))) {
            socket.write(request);
            const bool written = socket.waitForBytesWritten(
                static_cast<int>(std::max<qint64>(1, deadline.remainingTime())));
            socket.disconnectFromServer();
            if (socket.state() != QLocalSocket::UnconnectedState)
                socket.waitForDisconnected(100);
            return written || socket.bytesToWrite() == 0;
        }
        if (deadline.hasExpired())
            return false;
        QThread::msleep(50);
    }
}

} // namespace zk
