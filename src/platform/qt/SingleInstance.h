#pragma once

#include <QObject>
#include <QString>

#include <memory>

class QLocalServer;
class QLockFile;

namespace zk {

// One running program per log file. The first start takes a lock file beside
// the log (<log>.lock) and listens on a local socket whose name is derived
// from the log's path; a later start finds the lock taken, asks the first one
// through the socket to show its main window, and ends. A lock left behind by
// a program that was killed is taken over.
class SingleInstance : public QObject
{
    Q_OBJECT

public:
    explicit SingleInstance(const QString &logPath, QObject *parent = nullptr);
    ~SingleInstance() override;

    // Takes the lock and starts listening. False when another program holds
    // the lock, or the lock file cannot be made (ErrorText tells why).
    bool TryBecomeFirst();
    // Asks the first program to show its main window, handing on the
    // activation token the launcher gave this start (Wayland's
    // XDG_ACTIVATION_TOKEN, may be empty) so that the desktop lets it come
    // forward; false when it could not be reached within timeoutMs.
    bool AskFirstToShow(int timeoutMs = 3000, const QByteArray &activationToken = {});

    QString LockPath() const { return m_logPath + ".lock"; }
    QString ServerName() const;
    // Why TryBecomeFirst failed: empty when another program holds the lock.
    const QString &ErrorText() const { return m_error; }

    static QString ServerNameFor(const QString &logPath);

signals:
    // A later start asked for the main window, with its activation token.
    void showRequested(const QByteArray &activationToken);

private:
    void OnNewConnection();

    QString m_logPath;
    QString m_error;
    std::unique_ptr<QLockFile> m_lock;
    QLocalServer *m_server = nullptr;
};

} // namespace zk
