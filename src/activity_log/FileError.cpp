#include "activity_log/FileError.h"

#include <cstring>

namespace zk {

namespace {

std::string English(FileError::Kind kind, const std::string &path, int error, std::int32_t record,
                    const std::string &target)
{
    const std::string quoted = "\"" + path + "\"";
    const std::string why = error != 0 ? std::string(": ") + std::strerror(error) : std::string();
    const std::string nr = std::to_string(record);
    const std::string ofRecord = record > 0 ? "record " + nr + " of " : std::string();
    switch (kind) {
    case FileError::Kind::Open: return "Cannot open the activity log " + quoted + why;
    case FileError::Kind::Read:
        return "Cannot read " + ofRecord + "the activity log " + quoted + why;
    case FileError::Kind::Write:
        return "Cannot write " + ofRecord + "the activity log " + quoted + why;
    case FileError::Kind::Sync:
        return "Cannot put " + ofRecord + "the activity log " + quoted + " on disk" + why;
    case FileError::Kind::Move:
        return "Cannot move the full activity log " + quoted + " to \"" + target + "\"" + why;
    case FileError::Kind::CopyDamaged:
        return "Cannot keep a copy of the damaged activity log " + quoted + " as \"" + target +
               "\"" + why;
    case FileError::Kind::ReadOnly:
        return "The activity log " + quoted + " is opened for reading only; a change cannot be "
               "written";
    case FileError::Kind::NotOpen: return "bad file handle: no activity log is open";
    case FileError::Kind::BadRecordNumber:
        return "bad record number " + nr + " in the activity log " + quoted;
    }
    return "Cannot use the activity log " + quoted + why;
}

} // namespace

FileError::FileError(Kind kind, std::string path, int error, std::int32_t record,
                     std::string target)
    : std::runtime_error(English(kind, path, error, record, target))
    , m_kind(kind)
    , m_path(std::move(path))
    , m_error(error)
    , m_record(record)
    , m_target(std::move(target))
{
}

} // namespace zk
