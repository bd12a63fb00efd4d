#pragma once

#include "platform/Locker.h"

#include <string>

namespace zk::test {

// Counts the locks asked for; failure is the reason every lock gives (empty: it locks).
class FakeLocker : public Locker
{
public:
    std::string Lock() override
    {
        ++locks;
        return failure;
    }
    int locks = 0;
    std::string failure;
};

} // namespace zk::test
