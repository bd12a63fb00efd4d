#include "activity_log/LogArchive.h"

#include "activity_log/FileSync.h"
#include "activity_log/clsActionsDbase.h"
#include "platform/Clock.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <system_error>

#include <fcntl.h>

namespace zk {

namespace {

namespace fs = std::filesystem;

std::string TwoDigits(std::int32_t v)
{
    return (v < 10 ? "0" : "") + std::to_string(v);
}

// True when from was renamed to to; false when to exists already. A file
// system without an atomic "rename unless it exists" gets a check first.
bool RenameUnlessTaken(const std::string &from, const std::string &to)
{
#ifdef RENAME_NOREPLACE
    if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0)
        return true;
    if (errno == EEXIST)
        return false;
    if (errno != EINVAL && errno != ENOSYS)
        throw FileError(FileError::Kind::Move, from, errno, 0, to);
#endif
    std::error_code ignored;
    if (fs::exists(to, ignored) || fs::is_symlink(to, ignored))
        return false;
    if (std::rename(from.c_str(), to.c_str()) != 0)
        throw FileError(FileError::Kind::Move, from, errno, 0, to);
    return true;
}

// "-YYYY-MM-DD" or "-YYYY-MM-DD-N" between stem and extension: the date and
// N (1 without it), or nothing for a name that is not an archive's.
bool ParseArchive(const std::string &middle, std::array<long, 4> &key)
{
    if (middle.size() < 11 || middle[0] != '-' || middle[5] != '-' || middle[8] != '-')
        return false;
    auto digits = [&](std::size_t from, std::size_t n, long &out) {
        if (n == 0 || n > 9)
            return false;
        out = 0;
        for (std::size_t i = from; i < from + n; ++i) {
            if (middle[i] < '0' || middle[i] > '9')
                return false;
            out = out * 10 + (middle[i] - '0');
        }
        return true;
    };
    if (!digits(1, 4, key[0]) || !digits(6, 2, key[1]) || !digits(9, 2, key[2]))
        return false;
    key[3] = 1;
    if (middle.size() == 11)
        return true;
    return middle[11] == '-' && digits(12, middle.size() - 12, key[3]) && key[3] >= 2;
}

} // namespace

std::string LogArchive::Name(const std::string &logPath, const LocalDateTime &day, int number)
{
    const fs::path log(logPath);
    std::string name = log.stem().string() + "-" + std::to_string(day.year) + "-" +
                       TwoDigits(day.month) + "-" + TwoDigits(day.day);
    if (number > 1)
        name += "-" + std::to_string(number);
    return (log.parent_path() / (name + log.extension().string())).string();
}

std::string LogArchive::MoveAside(const std::string &logPath, const LocalDateTime &day)
{
    for (int number = 1;; ++number) {
        const std::string archive = Name(logPath, day, number);
        if (RenameUnlessTaken(logPath, archive))
            return archive;
    }
}

std::string LogArchive::StartNewLog(clsActionsDbase &store, const LocalDateTime &now)
{
    const std::string path = store.FileName();
    store.Flush();
    const std::string archive = MoveAside(path, now);
    store.OpenFile(path);
    // The new name and the new log are on disk before the next record goes in.
    SyncFolderOf(path);
    return archive;
}

std::vector<std::string> LogArchive::Beside(const std::string &logPath,
                                            const LocalDateTime *cutFrom)
{
    const fs::path log(logPath);
    const std::string stem = log.stem().string();
    const std::string extension = log.extension().string();
    fs::path folder = log.parent_path();
    if (folder.empty())
        folder = ".";
    std::vector<std::pair<std::array<long, 4>, std::string>> found;
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        const std::string name = it->path().filename().string();
        if (name.size() <= stem.size() + extension.size() || name.rfind(stem, 0) != 0 ||
            name.compare(name.size() - extension.size(), extension.size(), extension) != 0)
            continue;
        std::array<long, 4> key{};
        std::error_code notRegular;
        const std::string middle =
            name.substr(stem.size(), name.size() - stem.size() - extension.size());
        const auto before = [&] {
            return std::array<long, 3>{key[0], key[1], key[2]} <
                   std::array<long, 3>{cutFrom->year, cutFrom->month, cutFrom->day};
        };
        if (ParseArchive(middle, key) && !(cutFrom && before()) &&
            it->is_regular_file(notRegular))
            found.emplace_back(key, (log.parent_path() / name).string());
    }
    std::sort(found.begin(), found.end());
    std::vector<std::string> paths;
    for (auto &f : found)
        paths.push_back(std::move(f.second));
    return paths;
}

} // namespace zk
