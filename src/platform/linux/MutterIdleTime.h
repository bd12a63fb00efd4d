#pragma once

#include "platform/linux/DBusIdleTime.h"

namespace zk {

// GNOME's idle time: org.gnome.Mutter.IdleMonitor, in milliseconds.
class MutterIdleTime : public DBusIdleTime
{
public:
    MutterIdleTime()
        : DBusIdleTime("org.gnome.Mutter.IdleMonitor", "/org/gnome/Mutter/IdleMonitor/Core",
                       "org.gnome.Mutter.IdleMonitor", "GetIdletime", 1)
    {}
};

} // namespace zk
