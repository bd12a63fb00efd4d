#pragma once

#include "time/CalendarDay.h"
#include "totals/LogEntry.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

class clsActionsDbase;

namespace zk {

// Hands the records of an activity log over one by one, in record order,
// without keeping them: a full log costs no more memory than the store's.
// File and Store return the number of records past 32767, which a 16-bit
// record number cannot reach.
class LogVisitor
{
public:
    using Visit = std::function<void(const LogEntry &)>;

    // Through the program's own store opened read-only, so the file is never
    // created or written and can be read while the tray program has it open.
    // Throws zk::FileError naming the path when it cannot be opened or read.
    static std::int64_t File(const std::string &path, const Visit &visit);
    // From a store that is already open, such as the program's own: a changed
    // buffered record is written first, and the cursor is set back afterwards.
    static std::int64_t Store(clsActionsDbase &store, const Visit &visit);
    // The archives of full logs beside the program's open store first, oldest
    // first, then the store itself (each with its own record numbers), so that
    // totals run on across the cuts; only the archives that can hold records
    // ending on `from` or later.
    static void WithArchives(clsActionsDbase &store, const CalendarDay &from,
                             const Visit &visit);
    // Every record of a file at once.
    static std::vector<LogEntry> Read(const std::string &path);
};

} // namespace zk
