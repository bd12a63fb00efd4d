#pragma once

#include "platform/linux/DBusIdleTime.h"

namespace zk {

// The freedesktop screen saver's idle time, the last resort: it counts whole seconds.
class ScreenSaverIdleTime : public DBusIdleTime
{
public:
    ScreenSaverIdleTime()
        : DBusIdleTime("org.freedesktop.ScreenSaver", "/org/freedesktop/ScreenSaver",
                       "org.freedesktop.ScreenSaver", "GetSessionIdleTime", 1000)
    {}
};

} // namespace zk
