#include "activity_log/FileIo.h"

#include <cerrno>

#include <unistd.h>

namespace zk {

std::int64_t ReadAt(int fd, void *data, std::int64_t size, std::int64_t offset)
{
    auto *bytes = static_cast<unsigned char *>(data);
    std::int64_t done = 0;
    while (done < size) {
        const ssize_t n = ::pread(fd, bytes + done, static_cast<std::size_t>(size - done),
                                  static_cast<off_t>(offset + done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return -1;
        if (n == 0)
            break;
        done += n;
    }
    return done;
}

int WriteAt(int fd, const void *data, std::int64_t size, std::int64_t offset)
{
    const auto *bytes = static_cast<const unsigned char *>(data);
    std::int64_t done = 0;
    while (done < size) {
        const ssize_t n = ::pwrite(fd, bytes + done, static_cast<std::size_t>(size - done),
                                   static_cast<off_t>(offset + done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return n < 0 ? errno : ENOSPC;
        done += n;
    }
    return 0;
}

} // namespace zk
