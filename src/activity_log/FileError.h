#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

namespace zk {

// A file of the activity log that cannot be opened, read, written, put on disk
// or moved: what failed, on which path, and the system's error number (0 when
// the refusal is our own, as for a write into a log opened for reading). what()
// is one English sentence for a terminal and the report tool; the windows word
// the failure from its parts, in the person's language.
class FileError : public std::runtime_error
{
public:
    enum class Kind
    {
        Open,
        Read,
        Write,
        Sync, // written, but not confirmed on disk
        Move, // a full log kept aside; Target() is the archive's name
        CopyDamaged, // the copy of a damaged log; Target() is the copy's name
        ReadOnly,
        NotOpen,
        BadRecordNumber,
    };

    FileError(Kind kind, std::string path, int error, std::int32_t record = 0,
              std::string target = {});

    Kind WhatFailed() const { return m_kind; }
    const std::string &Path() const { return m_path; }
    int Error() const { return m_error; }
    std::int32_t Record() const { return m_record; }
    const std::string &Target() const { return m_target; }

private:
    Kind m_kind;
    std::string m_path;
    int m_error;
    std::int32_t m_record;
    std::string m_target;
};

} // namespace zk
