#include "activity_log/DamagedLogCopy.h"

#include "activity_log/FileError.h"
#include "activity_log/FileIo.h"
#include "activity_log/FileSync.h"
#include "activity_log/LogArchive.h"

#include <array>
#include <cerrno>
#include <filesystem>

#include <fcntl.h>
#include <unistd.h>

namespace zk {

namespace {

// Copies from's bytes into to; the error number of the first failure, or 0.
int CopyAll(int from, int to)
{
    std::array<char, 64 * 1024> buffer{};
    for (std::int64_t offset = 0;;) {
        const std::int64_t n = ReadAt(from, buffer.data(), buffer.size(), offset);
        if (n < 0)
            return errno;
        if (n == 0)
            return ::fdatasync(to) == 0 ? 0 : errno;
        if (const int error = WriteAt(to, buffer.data(), n, offset); error != 0)
            return error;
        offset += n;
    }
}

} // namespace

std::string DamagedLogCopy::Name(const std::string &logPath, const LocalDateTime &day, int number)
{
    const std::filesystem::path log(logPath);
    const std::filesystem::path damaged =
        log.parent_path() / (log.stem().string() + "-damaged" + log.extension().string());
    return LogArchive::Name(damaged.string(), day, number);
}

std::string DamagedLogCopy::Keep(int fd, const std::string &logPath, const LocalDateTime &day)
{
    for (int number = 1;; ++number) {
        const std::string copy = Name(logPath, day, number);
        const int out = ::open(copy.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
        if (out < 0 && errno == EEXIST)
            continue;
        if (out < 0)
            throw FileError(FileError::Kind::CopyDamaged, logPath, errno, 0, copy);
        const int error = CopyAll(fd, out);
        ::close(out);
        if (error != 0) {
            ::unlink(copy.c_str());
            throw FileError(FileError::Kind::CopyDamaged, logPath, error, 0, copy);
        }
        SyncFolderOf(copy);
        return copy;
    }
}

} // namespace zk
