#include "options/Module3.h"

#include "platform/RunKey.h"

#include <charconv>

namespace Module3 {

namespace {

char Lower(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

std::string Normalised(std::string path)
{
    if (!path.empty() && path.back() == '\\')
        path.pop_back();
    for (char &c : path)
        c = Lower(c);
    return path;
}

bool IsRunKey(const std::string &keyPath, std::uint32_t root)
{
    return root == kHKeyLocalMachine && Normalised(keyPath) == Normalised(kRunKeyPath);
}

} // namespace

long SetOpenKeyValue(const OpenKey &key, const std::string &valueName, std::int32_t valueType,
                     const RegValue &value)
{
    if (valueType != REG_SZ && valueType != REG_DWORD)
        return kSuccess;
    if (!key.runKey)
        return kInvalidHandle;

    std::string data;
    if (const auto *number = std::get_if<std::int32_t>(&value)) {
        data = std::to_string(*number);
    } else if (valueType == REG_SZ) {
        data = std::get<std::string>(value);
    } else {
        const std::string &text = std::get<std::string>(value);
        std::int32_t parsed = 0;
        const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), parsed);
        if (ec != std::errc() || end != text.data() + text.size() || text.empty())
            return kInvalidParameter;
        data = std::to_string(parsed);
    }
    key.runKey->Write(valueName, data);
    return kSuccess;
}

void SetKeyValue(zk::RunKey &runKey, const std::string &keyPath, const std::string &valueName,
                 const RegValue &value, std::int32_t valueType, std::uint32_t root)
{
    const OpenKey key{IsRunKey(keyPath, root) ? &runKey : nullptr};
    SetOpenKeyValue(key, valueName, valueType, value);
}

void RegisterAutoStart(zk::RunKey &runKey, const std::string &command)
{
    SetKeyValue(runKey, kRunKeyPath, kRunValueName, command, REG_SZ, kHKeyLocalMachine);
}

void UnregisterAutoStart(zk::RunKey &runKey)
{
    SetKeyValue(runKey, kRunKeyPath, kRunValueName, std::string(), REG_SZ, kHKeyLocalMachine);
}

std::string ProgramCommand(const std::string &folder, const std::string &name)
{
    if (!folder.empty() && folder.back() == '/')
        return folder + name;
    return folder + "/" + name;
}

} // namespace Module3
