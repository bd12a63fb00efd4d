#pragma once

#include <string>

namespace zk {

// Locks the desktop session of the person at the screen.
class Locker
{
public:
    virtual ~Locker() = default;
    // Empty when the session was locked, else the reason it was not (the
    // system's own words).
    virtual std::string Lock() = 0;
};

} // namespace zk
