#pragma once

#include "activity_log/ActionRecord.h"

#include <cstddef>
#include <cstdint>
#include <vector>

// Records of an open file as one read fetched them: a walk over the log asks
// the file once per block of records instead of once per record. The window
// keeps what the file held at that read, so it lives only as long as a walk
// (the store drops it when the walk ends and at each write of its own);
// outside a walk it holds one record and is read again every time.
//
// The bytes are copied out of the file, never mapped: a file shortened behind
// the program's back reads as shorter, it cannot fault a read.
class RecordWindow
{
public:
    // Records per read during a walk: about 75 KB, few reads for a full log.
    static constexpr std::int64_t kRecordsPerRead = 512;

    // The bytes of record nr (from 1) of the file fd, through the window; a
    // record outside it refills it with one read at that record, of
    // `records` records. Missing bytes (past the end, a damaged tail) are
    // zeros. Returns how many of the record's bytes the file held, or -1 with
    // errno set when the file cannot be read.
    std::int64_t Read(int fd, std::int64_t nr, std::int64_t records, ActionRecord::Bytes &out);

    // Forgets what was read, so that the next Read asks the file.
    void Drop();

private:
    std::vector<unsigned char> m_bytes;
    std::int64_t m_from = 0; // byte offset of m_bytes[0]
    std::int64_t m_span = 0; // bytes asked for at the last read; 0 when nothing is held
};
