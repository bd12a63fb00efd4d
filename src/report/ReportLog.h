#pragma once

#include "report/ReportRecord.h"

#include <functional>
#include <string>
#include <vector>

class clsActionsDbase;

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
    // The same records handed over one by one, in record order, without
    // keeping them; a full log then costs no more memory than the store's.
    // Returns the number of unreachable records.
    static std::int64_t Visit(const std::string &path,
                              const std::function<void(const ReportRecord &)> &visit);
    // The same from a store that is already open, such as the program's own:
    // a changed buffered record is written first, and the cursor is set back
    // afterwards (it stays on the last record when none was chosen).
    static std::int64_t Visit(clsActionsDbase &store,
                              const std::function<void(const ReportRecord &)> &visit);
    // The archives of full logs beside path first, oldest first, then the log
    // itself (each with its own record numbers), so that totals run on across
    // the cuts. A log missing beside its archives (ended right after a cut)
    // holds nothing yet. Returns the unreachable records of all of them.
    static std::int64_t VisitWithArchives(const std::string &path,
                                          const std::function<void(const ReportRecord &)> &visit);
};

} // namespace zk::report
