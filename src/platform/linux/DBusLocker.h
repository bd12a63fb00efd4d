#pragma once

#include "platform/Locker.h"

namespace zk {

// Locks the session through the desktop: the caller's session of
// org.freedesktop.login1 on the system bus (Session.Lock of GetSessionByPID),
// else org.freedesktop.ScreenSaver.Lock on the session bus, else
// `xdg-screensaver lock`. When none locks, what each one said goes to the
// standard error, for whoever looks into it.
class DBusLocker : public Locker
{
public:
    bool Lock() override;
};

} // namespace zk
