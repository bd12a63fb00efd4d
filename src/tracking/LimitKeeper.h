#pragma once

#include <cstdint>
#include <map>
#include <string>

namespace zk {
class Dialogs;
class Locker;
} // namespace zk

// The limits' part of the minute tick of a running stretch: the warning and
// the alarm at a user's limit (each once a day per user, also across a
// restart, never while a box of ours is open), the words for the time left,
// and the lock one minute after the alarm for a user whose limit locks.
class LimitKeeper
{
public:
    LimitKeeper(zk::Dialogs &dialogs, zk::Locker &locker);

    struct Minute
    {
        bool limited = false;  // the user has a limit today; no two-hour alarm then
        std::string leftText;  // "Anna: 25 minutes left today", in the current language
        bool endAndLock = false;
    };
    // user's stretch runs with todaySeconds counted today; boxOpen when a box
    // of ours is open already (a notice due then waits for a later tick).
    Minute Tick(const std::string &user, std::int32_t todaySeconds, bool boxOpen);
    // Locks the session; a failure is told once.
    void Lock();

private:
    void Tell(const std::string &text);

    zk::Dialogs &m_dialogs;
    zk::Locker &m_locker;
    bool m_boxOpen = false;
    bool m_lockFailureTold = false;
    // When the time of a user whose limit locks was found up (clock seconds).
    std::map<std::string, std::int64_t> m_upAt;
};
