#include "platform/WinRunKey.h"

#include <windows.h>

namespace zk {

void WinRunKey::Write(const std::string &valueName, const std::string &data)
{
    HKEY key = nullptr;
    // Failures are not reported: without write access to the machine's keys the
    // value simply stays as it was.
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run\\", 0,
                      0x3F, &key)
        != ERROR_SUCCESS)
        return;
    RegSetValueExA(key, valueName.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE *>(data.c_str()),
                   static_cast<DWORD>(data.size() + 1));
    RegCloseKey(key);
}

} // namespace zk
