#pragma once

#include <string>

namespace zk {

// The value that makes the operating system start a program with the computer.
// Writes that fail are not reported.
class RunKey
{
public:
    virtual ~RunKey() = default;
    // data is the program's command, or the empty text for "do not start".
    virtual void Write(const std::string &valueName, const std::string &data) = 0;
};

} // namespace zk
