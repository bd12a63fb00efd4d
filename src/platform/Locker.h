#pragma once

namespace zk {

// Locks the desktop session of the person at the screen.
class Locker
{
public:
    virtual ~Locker() = default;
    // True when the session was locked.
    virtual bool Lock() = 0;
};

} // namespace zk
