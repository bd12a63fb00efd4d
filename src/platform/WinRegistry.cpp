#include "platform/WinRegistry.h"

#include <windows.h>

#include <cstdio>

namespace zk {

namespace {

// A number value as text: the bytes from the last to the first, each as hex
// digits without a leading zero, read back as a hexadecimal number.
std::string NumberText(const BYTE *data, DWORD size)
{
    std::string hex;
    for (DWORD i = size; i > 0; --i) {
        char digits[3];
        std::snprintf(digits, sizeof digits, "%X", static_cast<unsigned>(data[i - 1]));
        hex += digits;
    }
    if (hex.empty())
        return "0";
    unsigned long long number = 0;
    for (char c : hex)
        number = number * 16 + static_cast<unsigned>(c <= '9' ? c - '0' : c - 'A' + 10);
    return std::to_string(number);
}

} // namespace

bool WinRegistry::GetKeyValue(std::uint32_t keyRoot, const std::string &keyName,
                              const std::string &subKeyRef, std::string &keyVal)
{
    const auto root = reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(keyRoot));
    HKEY key = nullptr;
    if (RegOpenKeyExA(root, keyName.c_str(), 0, 0x2003F, &key) != ERROR_SUCCESS) {
        keyVal.clear();
        if (key)
            RegCloseKey(key);
        return false;
    }

    BYTE buffer[1024];
    DWORD size = sizeof buffer;
    DWORD type = 0;
    if (RegQueryValueExA(key, subKeyRef.c_str(), nullptr, &type, buffer, &size)
        != ERROR_SUCCESS) {
        keyVal.clear();
        RegCloseKey(key);
        return false;
    }

    std::string data(reinterpret_cast<const char *>(buffer), size);
    if (!data.empty() && data.back() == '\0')
        data.pop_back();
    if (type == REG_SZ)
        keyVal = data;
    else if (type == REG_DWORD)
        keyVal = NumberText(buffer, size);
    RegCloseKey(key);
    return true;
}

} // namespace zk
