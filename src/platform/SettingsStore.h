#pragma once

#include <stdexcept>
#include <string>
#include <utility>

namespace zk {

// Raised when the settings cannot be written (read-only folder, full disk).
// Where names the file or store that refused the value, when known.
class SettingsError : public std::runtime_error
{
public:
    explicit SettingsError(const std::string &what, std::string where = {})
        : std::runtime_error(what), m_where(std::move(where))
    {}
    const std::string &Where() const { return m_where; }

private:
    std::string m_where;
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
