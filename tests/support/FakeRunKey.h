#pragma once

#include "platform/RunKey.h"

#include <string>
#include <utility>
#include <vector>

namespace zk::test {

// Keeps every write of the Run value: name, then data.
struct FakeRunKey : RunKey
{
    void Write(const std::string &name, const std::string &data) override
    {
        writes.emplace_back(name, data);
    }
    std::vector<std::pair<std::string, std::string>> writes;
};

} // namespace zk::test
