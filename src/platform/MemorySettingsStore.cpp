#include "platform/MemorySettingsStore.h"

namespace zk {

std::string MemorySettingsStore::Read(const std::string &application, const std::string &section,
                                      const std::string &key,
                                      const std::string &defaultValue) const
{
    auto it = m_values.find({application, section, key});
    return it == m_values.end() ? defaultValue : it->second;
}

void MemorySettingsStore::Write(const std::string &application, const std::string &section,
                                const std::string &key, const std::string &value)
{
    m_values[{application, section, key}] = value;
    ++m_writes;
}

std::optional<std::string> MemorySettingsStore::Get(const std::string &section,
                                                    const std::string &key,
                                                    const std::string &application) const
{
    auto it = m_values.find({application, section, key});
    if (it == m_values.end())
        return std::nullopt;
    return it->second;
}

namespace {
SettingsStore *g_settings = nullptr;
}

SettingsStore &CurrentSettings()
{
    static MemorySettingsStore fallback;
    return g_settings ? *g_settings : fallback;
}

void SetCurrentSettings(SettingsStore *store) { g_settings = store; }

} // namespace zk
