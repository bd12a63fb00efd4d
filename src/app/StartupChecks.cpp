#include "StartupChecks.h"

#include "failure/FailureWording.h"
#include "localisation/OwnMessages.h"
#include "platform/qt/Latin1.h"

#include <QFileInfo>

#include <cerrno>
#include <unistd.h>

namespace {

// True when the file or folder may be written by us; reason tells why not.
bool Writable(const QString &path, QString &reason)
{
    if (::access(QFile::encodeName(path).constData(), W_OK) != 0) {
        reason = zk::ToQt(SystemReason(errno));
        return false;
    }
    return true;
}

QString Text(const char *key, const QString &file, const QString &why = {})
{
    return zk::ToQt(OwnMessage(key, {{"$file$", zk::FromQt(file)}, {"$why$", zk::FromQt(why)}}));
}

} // namespace

QString LogLocationProblem(const QString &folder, const QString &logPath)
{
    const QFileInfo dir(folder);
    if (!dir.isDir())
        return Text("The folder $file$ does not exist.", folder);
    QString reason;
    const QFileInfo log(logPath);
    if (log.exists()) {
        if (!log.isFile())
            return Text("The log $file$ is not a file.", logPath);
        if (!Writable(logPath, reason))
            return Text("The log $file$ cannot be written: $why$.", logPath, reason);
    }
    // The folder takes the log when it is missing, and the lock beside it.
    if (!Writable(folder, reason))
        return Text("The folder $file$ cannot be written: $why$.", folder, reason);
    return {};
}
