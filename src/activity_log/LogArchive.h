#pragma once

#include <string>
#include <vector>

class clsActionsDbase;

namespace zk {

struct LocalDateTime;

// A log that holds as many records as record numbers reach (32767) is never
// written past its end: it is renamed beside itself to "<name>-YYYY-MM-DD<ext>"
// (actions.dat becomes actions-2026-12-06.dat), with "-2", "-3" ... after the
// date when that day has an archive already, and a new empty log starts under
// the old name. Nothing is ever deleted or overwritten.
//
// The cut is one rename. Ended at any point, the folder holds either the full
// log under its own name, or the archive beside no log (which the next open
// creates, empty) or beside a new log of whole records.
class LogArchive
{
public:
    // The archive name for day; number 1 is the first archive of the day.
    static std::string Name(const std::string &logPath, const LocalDateTime &day, int number);

    // Renames the log to the first free archive name of day's date and returns
    // that name. zk::FileError when it cannot, and then the log stays as it was.
    static std::string MoveAside(const std::string &logPath, const LocalDateTime &day);

    // Writes back the store's buffered record, moves its file aside and opens a
    // new, empty log on the same path. Returns the archive's path.
    static std::string StartNewLog(clsActionsDbase &store, const LocalDateTime &now);

    // The archives beside logPath, oldest first (by date, then number); with cutFrom, only
    // those cut on that day or later, the only ones that can hold records ending from then on.
    static std::vector<std::string> Beside(const std::string &logPath,
                                           const LocalDateTime *cutFrom = nullptr);
};

} // namespace zk
