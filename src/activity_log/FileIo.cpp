#include "activity_log/FileIo.h"

#include <cerrno>

#include <unistd.h>

namespace zk {

std::int64_t ReadAt(int fd, void *data, std::int64_t size, std::int64_t offset)
{
    auto *bytes = static_cast<unsigned char *>(data);
    std::int64_t done = 0;
    while (done < size) {
        const ssize_t n = TEMP_FAILURE_RETRY(::pread(
            fd, bytes + done, static_cast<std::size_t>(size - done), static_cast<off_t>(offset + done)));
        if (n == -1)
            return -1;
        if (n == 0)
            break; // the end of the file
        done += n;
    }
    return done;
}

int WriteAt(int fd, const void *data, std::int64_t size, std::int64_t offset)
{
    const auto *bytes = static_cast<const unsigned char *>(data);
    std::int64_t done = 0;
    while (done < size) {
        const ssize_t n = TEMP_FAILURE_RETRY(::pwrite(
            fd, bytes + done, static_cast<std::size_t>(size - done), static_cast<off_t>(offset + done)));
        if (n == -1)
            return errno;
        if (n == 0)
            return ENOSPC; // nothing taken and no reason given
        done += n;
    }
    return 0;
}

} // namespace zk
