#include "platform/qt/QtSettingsStore.h"

#include "platform/qt/Latin1.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStringList>
#include <QTemporaryDir>
#include <QVariant>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <memory>
#include <system_error>

#include <unistd.h>

namespace zk {
namespace {

QString Key(const std::string &section, const std::string &key)
{
    return ToQt(section) + QLatin1Char('/') + ToQt(key);
}

// Why a settings file could not be written, as far as the file system tells.
std::string WriteFailureReason(const QString &file)
{
    const std::filesystem::path path = file.toStdString();
    std::error_code ec;
    std::filesystem::create_directories(path.parent_path(), ec);
    if (ec)
        return "cannot create its folder: " + ec.message();
    if (::access(path.parent_path().c_str(), W_OK) != 0)
        return std::string("its folder is not writable: ") + std::strerror(errno);
    if (std::filesystem::exists(path, ec) && ::access(path.c_str(), W_OK) != 0)
        return std::string("the file is not writable: ") + std::strerror(errno);
    return "the file could not be written (disk full or no permission)";
}

// QSettings reports a file it could not parse in full (a hand-edited line
// without "=", a stray control byte) as FormatError, and that status sticks
// even though it then writes the file out anew from what it understood. Whether
// the value really reached the disk is told by a fresh reading of a copy, which
// no cache of this process can answer for.
bool WrittenDespiteFormatError(const QString &file, const QString &key, const QString &value)
{
    QTemporaryDir dir;
    if (!dir.isValid())
        return false;
    const QString copy = dir.filePath(QStringLiteral("check.ini"));
    if (!QFile::copy(file, copy))
        return false;
    QSettings check(copy, QSettings::IniFormat);
    const QVariant stored = check.value(key);
    // The fresh reading may report a FormatError too: QSettings writes some keys
    // of a damaged file back in a form it cannot parse itself (a key with a
    // stray byte and a slash). The value read back is what tells.
    return stored.userType() == QMetaType::QString && stored.toString() == value;
}

} // namespace

QtSettingsStore::QtSettingsStore() = default;

QtSettingsStore::QtSettingsStore(const QString &folder) : m_folder(folder) {}

// A fresh QSettings per call: the store is touched a handful of times per run,
// and each write must reach the disk on its own.
static std::unique_ptr<QSettings> Open(const QString &folder, const std::string &application)
{
    const QString app = ToQt(application);
    if (!folder.isEmpty()) {
        return std::make_unique<QSettings>(folder + QLatin1Char('/') + app + QLatin1Char('/') + app +
                                               QStringLiteral(".ini"),
                                           QSettings::IniFormat);
    }
    return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, app, app);
}

QString QtSettingsStore::Location(const std::string &application) const
{
    return Open(m_folder, application)->fileName();
}

std::string QtSettingsStore::Read(const std::string &application, const std::string &section,
                                  const std::string &key, const std::string &defaultValue) const
{
    auto settings = Open(m_folder, application);
    const QVariant value = settings->value(Key(section, key));
    if (!value.isValid())
        return defaultValue;
    // A hand-edited INI line with unquoted commas reads back as a list.
    if (value.userType() == QMetaType::QStringList)
        return FromQt(value.toStringList().join(QStringLiteral(", ")));
    return FromQt(value.toString());
}

void QtSettingsStore::Write(const std::string &application, const std::string &section,
                            const std::string &key, const std::string &value)
{
    auto settings = Open(m_folder, application);
    // QSettings quotes and escapes what INI would otherwise misread ("=", ";",
    // "#", "@", blanks at either end, control characters) and keeps bytes above
    // 127 as UTF-8, so the Latin-1 text comes back byte for byte.
    const QVariant before = settings->value(Key(section, key));
    settings->setValue(Key(section, key), ToQt(value));
    settings->sync();
    const bool written =
        settings->status() == QSettings::NoError ||
        (settings->status() == QSettings::FormatError && settings->format() == QSettings::IniFormat &&
         WrittenDespiteFormatError(settings->fileName(), Key(section, key), ToQt(value)));
    if (!written) {
        const QString where = settings->fileName();
        const std::string reason = settings->format() == QSettings::IniFormat
                                       ? WriteFailureReason(where)
                                       : std::string("the store refused the value");
        // QSettings keeps unsaved changes in a cache shared by every QSettings
        // on this file; put the old value back so that the failed one is never
        // read back nor written out later with some other change.
        if (before.isValid())
            settings->setValue(Key(section, key), before);
        else
            settings->remove(Key(section, key));
        settings.reset();
        const std::string file = FromQt(QDir::toNativeSeparators(where));
        throw SettingsError("Cannot save setting " + section + "/" + key + " in " + file + ": " +
                                reason,
                            file);
    }
}

} // namespace zk
