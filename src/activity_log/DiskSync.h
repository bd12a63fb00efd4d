#pragma once

#include <condition_variable>
#include <mutex>
#include <thread>

namespace zk {

// Puts what was written to a file on disk (fdatasync) on a thread of its own, right
// after each write: the write returns without waiting for the disk, so a minute tick
// stays quick on a slow one, and its record is on disk a moment later. A sync that
// fails is kept until the next Requested or Wait gives it.
class DiskSync
{
public:
    explicit DiskSync(int fd);
    // Waits for the last sync; a failure of it is lost, so callers that care Wait first.
    ~DiskSync();
    DiskSync(const DiskSync &) = delete;
    DiskSync &operator=(const DiskSync &) = delete;

    // After a write: a sync follows. The error number of a sync that failed since the
    // last call, or 0.
    int Requested();
    // Returns when every write before it is on disk: the error number of a sync that
    // failed since the last call, or 0.
    int Wait();

private:
    void Run(std::stop_token stop);

    const int m_fd;
    std::mutex m_mutex;
    std::condition_variable_any m_changed;
    bool m_pending = false;
    bool m_syncing = false;
    int m_error = 0;
    std::jthread m_thread; // last: it starts once everything above is made
};

} // namespace zk
