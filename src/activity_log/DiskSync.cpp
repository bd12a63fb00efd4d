#include "activity_log/DiskSync.h"

#include <cerrno>
#include <utility>

#include <unistd.h>

namespace zk {

DiskSync::DiskSync(int fd)
    : m_fd(fd)
    , m_thread([this](std::stop_token stop) { Run(stop); })
{
}

DiskSync::~DiskSync()
{
    (void)Wait();
}

int DiskSync::Requested()
{
    std::lock_guard lock(m_mutex);
    m_pending = true;
    m_changed.notify_all();
    return std::exchange(m_error, 0);
}

int DiskSync::Wait()
{
    std::unique_lock lock(m_mutex);
    m_changed.wait(lock, [this] { return !m_pending && !m_syncing; });
    return std::exchange(m_error, 0);
}

void DiskSync::Run(std::stop_token stop)
{
    std::unique_lock lock(m_mutex);
    // Writes that come while a sync runs are put on disk by the next one.
    while (m_changed.wait(lock, stop, [this] { return m_pending; })) {
        m_pending = false;
        m_syncing = true;
        lock.unlock();
        const int error = ::fdatasync(m_fd) == 0 ? 0 : errno;
        lock.lock();
        m_syncing = false;
        if (m_error == 0)
            m_error = error;
        m_changed.notify_all();
    }
}

} // namespace zk
