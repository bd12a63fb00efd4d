#pragma once

#include "platform/MemorySettingsStore.h"

namespace zk::test {

// In-memory settings installed as the program's store for the object's
// lifetime. FailWrites makes every write raise SettingsError.
class FakeSettings : public MemorySettingsStore
{
public:
    FakeSettings() { SetCurrentSettings(this); }
    ~FakeSettings() override { SetCurrentSettings(nullptr); }

    void Write(const std::string &application, const std::string &section, const std::string &key,
               const std::string &value) override
    {
        if (failWrites)
            throw SettingsError("settings cannot be written: disk full");
        MemorySettingsStore::Write(application, section, key, value);
    }

    bool failWrites = false;
};

} // namespace zk::test
