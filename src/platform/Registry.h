#pragma once

#include <cstdint>
#include <string>

namespace zk {

inline constexpr std::uint32_t HKEY_LOCAL_MACHINE_ROOT = 0x80000002u;

// Read-only lookups of values that tell where system tools live.
class Registry
{
public:
    virtual ~Registry() = default;
    // True on success with the value in keyVal; false with keyVal emptied otherwise.
    virtual bool GetKeyValue(std::uint32_t keyRoot, const std::string &keyName,
                             const std::string &subKeyRef, std::string &keyVal) = 0;
};

} // namespace zk
