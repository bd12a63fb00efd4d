#pragma once

#include <cstdint>
#include <string>
#include <variant>

namespace zk {
class RunKey;
}

// Writing of the one registry value the program owns: the Run value that
// makes the computer start the program. Only HKEY_LOCAL_MACHINE's
// "SOFTWARE\Microsoft\Windows\CurrentVersion\Run\" can be opened; it is the
// platform's RunKey (an autostart entry of the desktop session).
// Every other key fails to open, and that write fails silently.
namespace Module3 {

inline constexpr std::uint32_t kHKeyLocalMachine = 0x80000002u;
inline constexpr char kRunKeyPath[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run\\";
inline constexpr char kRunValueName[] = "Zitklok";

inline constexpr std::int32_t REG_SZ = 1;
inline constexpr std::int32_t REG_DWORD = 4;

// Result codes, as the registry gives them.
inline constexpr long kSuccess = 0;
inline constexpr long kInvalidHandle = 6;
inline constexpr long kInvalidParameter = 87;

// A value of any of the kinds the callers hand over.
using RegValue = std::variant<std::string, std::int32_t>;

// A key opened by SetKeyValue; runKey is null when the key could not be opened.
struct OpenKey
{
    zk::RunKey *runKey = nullptr;
};

// Type 1 writes the value as text (a number as its decimal text). Type 4 writes
// the 32-bit number as its decimal text, since the run key holds text only; a
// text that is not a whole 32-bit number writes nothing and gives
// kInvalidParameter. Any other type writes nothing and gives 0. A key that is
// not open gives kInvalidHandle.
long SetOpenKeyValue(const OpenKey &key, const std::string &valueName, std::int32_t valueType,
                     const RegValue &value);

// Opens the existing key (never creates it), writes, closes. Nothing is
// checked: a key that cannot be opened leads to a write that fails silently.
// The path is matched as the registry does: letters in any case, with or
// without the trailing separator.
void SetKeyValue(zk::RunKey &runKey, const std::string &keyPath, const std::string &valueName,
                 const RegValue &value, std::int32_t valueType, std::uint32_t root);

// The Run value "Zitklok" set to the command, or to the empty text.
void RegisterAutoStart(zk::RunKey &runKey, const std::string &command);
void UnregisterAutoStart(zk::RunKey &runKey);

// The command that starts this program: the executable's absolute path,
// folder + "/" + file name (no separator doubled); the name is used as it is.
std::string ProgramCommand(const std::string &folder, const std::string &name);

} // namespace Module3
