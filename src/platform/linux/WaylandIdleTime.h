#pragma once

#include "platform/IdleTimeSource.h"

#include <memory>

namespace zk {

// The compositor's idle time over a Wayland connection of our own, for the
// desktops whose D-Bus services tell none (KDE Plasma, sway and other
// wlroots compositors). It asks for a notification after one second without
// input: ext_idle_notifier_v1 where the compositor offers it, else
// org_kde_kwin_idle. Idle time then runs from the notifier's "idled" (plus that
// second); after "resumed" there was input within the last second, which
// reads as no idle time. A QSocketNotifier on the display's descriptor takes
// the events when they come; each question makes a round trip first.
//
// Answers nothing when there is no Wayland display (WAYLAND_DISPLAY), the
// compositor offers neither protocol or no seat, or the connection broke.
// Needs a QCoreApplication.
class WaylandIdleTime : public IdleTimeSource
{
public:
    WaylandIdleTime();
    ~WaylandIdleTime() override;
    WaylandIdleTime(const WaylandIdleTime &) = delete;
    WaylandIdleTime &operator=(const WaylandIdleTime &) = delete;

    std::optional<std::uint64_t> IdleMilliseconds() override;

    struct Connection;

private:
    std::unique_ptr<Connection> d;
};

} // namespace zk
