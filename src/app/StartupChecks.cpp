#include "StartupChecks.h"

#include <QFileInfo>

#include <cerrno>
#include <cstring>
#ifndef _WIN32
#include <unistd.h>
#endif

namespace {

// True when the file or folder may be written by us; reason tells why not.
bool Writable(const QString &path, QString &reason)
{
#ifndef _WIN32
    if (::access(QFile::encodeName(path).constData(), W_OK) != 0) {
        reason = QString::fromLocal8Bit(std::strerror(errno));
        return false;
    }
    return true;
#else
    if (!QFileInfo(path).isWritable()) {
        reason = "access denied";
        return false;
    }
    return true;
#endif
}

} // namespace

QString LogLocationProblem(const QString &folder, const QString &logPath)
{
    const QFileInfo dir(folder);
    if (!dir.isDir())
        return "The folder " + folder + " does not exist.";
    QString reason;
    const QFileInfo log(logPath);
    if (log.exists()) {
        if (!log.isFile())
            return "The log " + logPath + " is not a file.";
        if (!Writable(logPath, reason))
            return "The log " + logPath + " cannot be written: " + reason + ".";
    }
    // The folder takes the log when it is missing, and the lock beside it.
    if (!Writable(folder, reason))
        return "The folder " + folder + " cannot be written: " + reason + ".";
    return {};
}
