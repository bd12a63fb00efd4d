#pragma once

#include "report/ReportRecord.h"

#include <string>
#include <vector>

namespace zk::report {

// The records of an activity log, read through the program's own store opened
// read-only, so the file is never created or written and can be read while the
// tray program has it open.
struct ReportLog
{
    std::vector<ReportRecord> records;
    // Records past 32767 that a 16-bit record number cannot reach.
    std::int64_t unreachable = 0;

    // Throws zk::FileError naming the path when the file cannot be opened or read.
    static ReportLog Read(const std::string &path);
};

} // namespace zk::report
