#pragma once

#include "platform/Locker.h"

#include <string>

namespace zk {

// Locks the session through the desktop: the caller's session of
// org.freedesktop.login1 on the system bus (Session.Lock of GetSessionByPID),
// else org.freedesktop.ScreenSaver.Lock on the session bus, else
// `xdg-screensaver lock`. The reason it failed names what each one said.
class DBusLocker : public Locker
{
public:
    std::string Lock() override;
};

} // namespace zk
