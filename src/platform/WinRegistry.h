#pragma once

#include "platform/Registry.h"

namespace zk {

// Lookups in the Windows registry (advapi32). Windows builds only.
class WinRegistry : public Registry
{
public:
    bool GetKeyValue(std::uint32_t keyRoot, const std::string &keyName,
                     const std::string &subKeyRef, std::string &keyVal) override;
};

} // namespace zk
