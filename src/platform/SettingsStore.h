#pragma once

#include <stdexcept>
#include <string>

namespace zk {

// Raised when the settings cannot be written (read-only folder, full disk).
class SettingsError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

// The per-user settings store: 8-bit text values addressed by application,
// section and key. Values round-trip exactly, whatever bytes they hold.
class SettingsStore
{
public:
    virtual ~SettingsStore() = default;
    virtual std::string Read(const std::string &application, const std::string &section,
                             const std::string &key, const std::string &defaultValue) const = 0;
    // Throws SettingsError when the value could not be stored.
    virtual void Write(const std::string &application, const std::string &section,
                       const std::string &key, const std::string &value) = 0;
};

// The store in use by the whole program. Until SetCurrentSettings installs one
// (the program installs its QSettings store), an in-memory store serves.
SettingsStore &CurrentSettings();
void SetCurrentSettings(SettingsStore *store);

} // namespace zk
