#include "platform/linux/WaylandIdleTime.h"

#include "ext-idle-notify-v1-client-protocol.h"
#include "idle-client-protocol.h"

#include <QElapsedTimer>
#include <QSocketNotifier>

#include <wayland-client.h>

#include <cstring>

namespace zk {

namespace {
// Shorter than any look interval: "not idle" then means input since the last look.
constexpr std::uint32_t kNotifyAfterMs = 1000;
} // namespace

struct WaylandIdleTime::Connection
{
    wl_display *display = nullptr;
    wl_registry *registry = nullptr;
    wl_seat *seat = nullptr;
    ext_idle_notifier_v1 *notifier = nullptr;
    ext_idle_notification_v1 *notification = nullptr;
    org_kde_kwin_idle *kwinIdle = nullptr;
    org_kde_kwin_idle_timeout *kwinTimeout = nullptr;
    std::unique_ptr<QSocketNotifier> events;
    QElapsedTimer steady;
    bool idle = false;
    qint64 idledAt = 0;

    void Idled()
    {
        idle = true;
        idledAt = steady.elapsed();
    }
    void Resumed() { idle = false; }

    bool Broken() const { return !display || wl_display_get_error(display) != 0; }

    void ReadEvents()
    {
        if (Broken()) {
            events->setEnabled(false);
            return;
        }
        while (wl_display_prepare_read(display) != 0)
            wl_display_dispatch_pending(display);
        wl_display_flush(display);
        wl_display_read_events(display);
        wl_display_dispatch_pending(display);
    }

    ~Connection()
    {
        events.reset();
        if (notification)
            ext_idle_notification_v1_destroy(notification);
        if (notifier)
            ext_idle_notifier_v1_destroy(notifier);
        if (kwinTimeout)
            org_kde_kwin_idle_timeout_release(kwinTimeout);
        if (kwinIdle)
            org_kde_kwin_idle_destroy(kwinIdle);
        if (seat)
            wl_seat_destroy(seat);
        if (registry)
            wl_registry_destroy(registry);
        if (display)
            wl_display_disconnect(display);
    }
};

namespace {

using Connection = WaylandIdleTime::Connection;

void Global(void *data, wl_registry *registry, std::uint32_t name, const char *interface,
            std::uint32_t version)
{
    auto *c = static_cast<Connection *>(data);
    if (!c->seat && std::strcmp(interface, wl_seat_interface.name) == 0)
        c->seat = static_cast<wl_seat *>(wl_registry_bind(registry, name, &wl_seat_interface, 1));
    else if (std::strcmp(interface, ext_idle_notifier_v1_interface.name) == 0)
        c->notifier = static_cast<ext_idle_notifier_v1 *>(
            wl_registry_bind(registry, name, &ext_idle_notifier_v1_interface, 1));
    else if (std::strcmp(interface, org_kde_kwin_idle_interface.name) == 0)
        c->kwinIdle = static_cast<org_kde_kwin_idle *>(
            wl_registry_bind(registry, name, &org_kde_kwin_idle_interface, 1));
    (void)version;
}

void GlobalRemove(void *, wl_registry *, std::uint32_t) {}

const wl_registry_listener kRegistry = {Global, GlobalRemove};

const ext_idle_notification_v1_listener kExt = {
    [](void *data, ext_idle_notification_v1 *) { static_cast<Connection *>(data)->Idled(); },
    [](void *data, ext_idle_notification_v1 *) { static_cast<Connection *>(data)->Resumed(); },
};

const org_kde_kwin_idle_timeout_listener kKwin = {
    [](void *data, org_kde_kwin_idle_timeout *) { static_cast<Connection *>(data)->Idled(); },
    [](void *data, org_kde_kwin_idle_timeout *) { static_cast<Connection *>(data)->Resumed(); },
};

} // namespace

WaylandIdleTime::WaylandIdleTime()
    : d(std::make_unique<Connection>())
{
    d->steady.start();
    if (qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        return;
    d->display = wl_display_connect(nullptr);
    if (!d->display)
        return;
    d->registry = wl_display_get_registry(d->display);
    wl_registry_add_listener(d->registry, &kRegistry, d.get());
    if (wl_display_roundtrip(d->display) < 0 || !d->seat)
        return;
    if (d->notifier) {
        d->notification =
            ext_idle_notifier_v1_get_idle_notification(d->notifier, kNotifyAfterMs, d->seat);
        ext_idle_notification_v1_add_listener(d->notification, &kExt, d.get());
    } else if (d->kwinIdle) {
        d->kwinTimeout = org_kde_kwin_idle_get_idle_timeout(d->kwinIdle, d->seat, kNotifyAfterMs);
        org_kde_kwin_idle_timeout_add_listener(d->kwinTimeout, &kKwin, d.get());
    } else {
        return;
    }
    d->events =
        std::make_unique<QSocketNotifier>(wl_display_get_fd(d->display), QSocketNotifier::Read);
    QObject::connect(d->events.get(), &QSocketNotifier::activated, d->events.get(),
                     [c = d.get()] { c->ReadEvents(); });
    wl_display_roundtrip(d->display);
}

WaylandIdleTime::~WaylandIdleTime() = default;

std::optional<std::uint64_t> WaylandIdleTime::IdleMilliseconds()
{
    if (!d->notification && !d->kwinTimeout)
        return std::nullopt;
    if (d->Broken() || wl_display_roundtrip(d->display) < 0)
        return std::nullopt;
    if (!d->idle)
        return 0;
    return static_cast<std::uint64_t>(d->steady.elapsed() - d->idledAt) + kNotifyAfterMs;
}

} // namespace zk
