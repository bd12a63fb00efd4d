#pragma once

#include "platform/RunKey.h"

namespace zk {

// The value under HKEY_LOCAL_MACHINE "SOFTWARE\Microsoft\Windows\CurrentVersion\Run\"
// (REG_SZ). The key is never created; without write access nothing happens.
// Windows builds only.
class WinRunKey : public RunKey
{
public:
    void Write(const std::string &valueName, const std::string &data) override;
};

} // namespace zk
