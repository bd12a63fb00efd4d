#pragma once

#include "platform/Registry.h"

#include <functional>
#include <string>
#include <vector>

namespace zk {

// Answers the system-information lookups on systems without a registry. The
// lookup of the tool's full path ("SOFTWARE\Microsoft\Shared Tools\MSINFO",
// value "PATH" under HKEY_LOCAL_MACHINE) gives the first program of
// Candidates() found on the PATH; every other lookup fails, so that a caller
// falling back to the tool's folder finds none either.
class SysInfoRegistry : public Registry
{
public:
    // Gives the full path of a program found on the PATH, or the empty text.
    using FindExecutable = std::function<std::string(const std::string &program)>;

    SysInfoRegistry(); // searches the PATH with QStandardPaths
    explicit SysInfoRegistry(FindExecutable find);

    bool GetKeyValue(std::uint32_t keyRoot, const std::string &keyName,
                     const std::string &subKeyRef, std::string &keyVal) override;

    // The system-information programs tried, in order.
    static const std::vector<std::string> &Candidates();

private:
    FindExecutable m_find;
};

} // namespace zk
