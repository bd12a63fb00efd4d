#pragma once

#include "platform/SettingsStore.h"

#include <map>
#include <optional>
#include <tuple>

namespace zk {

// Settings held in memory only; what a test or a settings-less run uses.
class MemorySettingsStore : public SettingsStore
{
public:
    std::string Read(const std::string &application, const std::string &section,
                     const std::string &key, const std::string &defaultValue) const override;
    void Write(const std::string &application, const std::string &section, const std::string &key,
               const std::string &value) override;

    // The stored value, or nothing when the key was never written.
    std::optional<std::string> Get(const std::string &section, const std::string &key,
                                   const std::string &application = "Sitclock") const;
    int WriteCount() const { return m_writes; }

private:
    std::map<std::tuple<std::string, std::string, std::string>, std::string> m_values;
    int m_writes = 0;
};

} // namespace zk
