#pragma once

#include "platform/MemorySettingsStore.h"

namespace zk::test {

// In-memory settings, the program's store for the object's lifetime; failWrites fails writes.
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
