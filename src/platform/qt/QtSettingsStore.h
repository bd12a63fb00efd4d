#pragma once

#include "platform/SettingsStore.h"

#include <QString>

namespace zk {

// The settings in the user's own store, kept by QSettings: each application
// has an INI file in the user's configuration folder ($XDG_CONFIG_HOME or
// ~/.config), "Sitclock" in Sitclock/Sitclock.ini, with each section as an INI
// group. Values are 8-bit text and come back exactly as written.
class QtSettingsStore : public SettingsStore
{
public:
    QtSettingsStore();
    // INI files under `folder` instead: <folder>/<application>/<application>.ini.
    explicit QtSettingsStore(const QString &folder);

    std::string Read(const std::string &application, const std::string &section,
                     const std::string &key, const std::string &defaultValue) const override;
    // Writes the value through to disk before returning. Throws SettingsError,
    // naming the file and the reason, when it could not; what was stored before
    // stays as it was.
    void Write(const std::string &application, const std::string &section, const std::string &key,
               const std::string &value) override;

    // Where the settings of `application` are kept (a file, or a registry key).
    QString Location(const std::string &application) const;

private:
    QString m_folder; // empty: the user's standard store
};

} // namespace zk
