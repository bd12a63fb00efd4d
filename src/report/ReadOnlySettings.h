#pragma once

#include "platform/SettingsStore.h"

namespace zk::report {

// Reads through to another store and drops every write. The user list saves
// itself when it goes; the report only looks and must leave the program's
// settings as they were.
class ReadOnlySettings : public SettingsStore
{
public:
    explicit ReadOnlySettings(const SettingsStore &inner) : m_inner(inner) {}

    std::string Read(const std::string &application, const std::string &section,
                     const std::string &key, const std::string &defaultValue) const override
    {
        return m_inner.Read(application, section, key, defaultValue);
    }
    void Write(const std::string &, const std::string &, const std::string &,
               const std::string &) override
    {
    }

private:
    const SettingsStore &m_inner;
};

} // namespace zk::report
