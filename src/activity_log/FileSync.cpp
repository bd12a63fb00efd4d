#include "activity_log/FileSync.h"

#include "activity_log/FileError.h"

#include <cerrno>
#include <filesystem>

#include <fcntl.h>
#include <unistd.h>

namespace zk {

void SyncFolderOf(const std::string &path)
{
    std::string folder = std::filesystem::path(path).parent_path().string();
    if (folder.empty())
        folder = ".";
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        throw FileError(FileError::Kind::Sync, folder, errno);
    const int result = ::fsync(fd);
    const int error = errno;
    ::close(fd);
    // A file system that cannot sync a folder (EINVAL) has nothing to put on disk.
    if (result != 0 && error != EINVAL)
        throw FileError(FileError::Kind::Sync, folder, error);
}

} // namespace zk
