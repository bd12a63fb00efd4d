#pragma once

#include <string>

namespace zk {

struct LocalDateTime;

// A log whose length is not a whole number of records ends in something that
// is not a record of ours (a write cut short elsewhere, a stray program). The
// next record may land on that tail, so before the first write the whole file
// is copied beside it as "<name>-damaged-YYYY-MM-DD<ext>"
// (actions-damaged-2026-12-07.dat), with "-2", "-3" ... after the date when that
// name is taken: an existing copy is never overwritten.
class DamagedLogCopy
{
public:
    static std::string Name(const std::string &logPath, const LocalDateTime &day, int number);

    // Copies every byte of the log open as fd to the first free name of day, on
    // disk before it returns; returns the copy's path. zk::FileError
    // (CopyDamaged) when it cannot, and then no partial copy is left.
    static std::string Keep(int fd, const std::string &logPath, const LocalDateTime &day);
};

} // namespace zk
