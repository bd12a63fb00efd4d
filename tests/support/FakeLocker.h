#pragma once

#include "platform/Locker.h"

namespace zk::test {

// Counts the locks asked for; each locks unless fails.
class FakeLocker : public Locker
{
public:
    bool Lock() override
    {
        ++locks;
        return !fails;
    }
    int locks = 0;
    bool fails = false;
};

} // namespace zk::test
