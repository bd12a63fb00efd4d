#pragma once

#include "activity_log/ActionRecord.h"
#include "activity_log/FileError.h"
#include "core/Signal.h"
#include "platform/Clock.h"

#include <cstdint>
#include <memory>
#include <string>

class clsTimePoint;

// The activity log actions.dat: fixed 148-byte records behind one cursor,
// RecordNr (counting from 1). One record is buffered; a changed buffer is
// written when the cursor moves, on Flush and on CloseFile. Every field set
// sends Change, and a listener may move the cursor away and back from inside it.
// Nothing else is kept: RecordCount asks the file for its length and every
// RecordNr set reads the record from the file (during a walk, from the block
// read with it), so what another program appends or rewrites while the log is
// open here is seen at the next read.
//
// Each record written is put on disk (fdatasync) right after, on a thread of its
// own (zk::DiskSync), so the write does not wait for the disk; WaitUntilOnDisk and
// CloseFile wait for it, and a sync that failed is raised by the next write,
// WaitUntilOnDisk or CloseFile. Before the
// first write into a log whose length is not a whole number of records, the
// whole file is copied aside (zk::DamagedLogCopy); TakeDamagedCopy tells where.
//
// Errors: zk::FileError for the file system (bad handle, unreadable, unwritable,
// record number 0 or less), zk::OverflowError for a record number outside 16 bits.
class clsActionsDbase
{
public:
    clsActionsDbase();
    ~clsActionsDbase();
    clsActionsDbase(const clsActionsDbase &) = delete;
    clsActionsDbase &operator=(const clsActionsDbase &) = delete;

    void OpenFile(const std::string &openfilename);
    // For readers beside the running program (the report tool): the file must
    // exist, is never created or written, and writing back a changed record
    // raises zk::FileError.
    void OpenReadOnly(const std::string &openfilename);
    void CloseFile();
    std::int32_t RecordCount() const;
    std::int32_t RecordNr() const;
    void RecordNr(std::int32_t vNewValue);
    void Flush();
    // Returns when every record written so far is on disk.
    void WaitUntilOnDisk();
    void EncryptAll();

    // Between BeginWalk and its EndWalk (StoreWalk pairs them), cursor moves
    // read records a block at a time: a walk over the whole log costs a read
    // per block rather than per record. What another program writes is seen by
    // the next walk; the store's own writes are seen at once. Walks may nest.
    void BeginWalk();
    void EndWalk();

    std::string Description() const;
    void Description(const std::string &text);
    // Description() into a string the caller keeps: a walk over every record
    // then makes no new string per record.
    void DescriptionInto(std::string &text) const;

    std::int32_t StartDateTimeYear() const;
    void StartDateTimeYear(std::int32_t v);
    std::int32_t StartDateTimeMonth() const;
    void StartDateTimeMonth(std::int32_t v);
    std::int32_t StartDateTimeDay() const;
    void StartDateTimeDay(std::int32_t v);
    std::int32_t StartDateTimeHour() const;
    void StartDateTimeHour(std::int32_t v);
    std::int32_t StartDateTimeMinute() const;
    void StartDateTimeMinute(std::int32_t v);
    std::int32_t StartDateTimeSeconds() const;
    void StartDateTimeSeconds(std::int32_t v);
    std::int32_t EndDateTimeYear() const;
    void EndDateTimeYear(std::int32_t v);
    std::int32_t EndDateTimeMonth() const;
    void EndDateTimeMonth(std::int32_t v);
    std::int32_t EndDateTimeDay() const;
    void EndDateTimeDay(std::int32_t v);
    std::int32_t EndDateTimeHour() const;
    void EndDateTimeHour(std::int32_t v);
    std::int32_t EndDateTimeMinute() const;
    void EndDateTimeMinute(std::int32_t v);
    std::int32_t EndDateTimeSeconds() const;
    void EndDateTimeSeconds(std::int32_t v);

    // The six start or end fields at once.
    zk::LocalDateTime StartDateTime() const;
    zk::LocalDateTime EndDateTime() const;

    bool ValidStartAndValidEndTime() const;
    std::int32_t ElapsedSeconds() const;
    std::string StartTimeAsString() const;
    std::string EndTimeAsString() const;
    std::string StartDateAndEndDateAsString() const;
    void SetStartTimeToNow();
    void SetEndTimeToNow();
    void AddToEndTime(std::int32_t sec);
    void SetStartTimeToTimePoint(const clsTimePoint &tp);
    void SetEndTimeToTimePoint(const clsTimePoint &tp);

    // The path given to OpenFile; empty while none is open.
    const std::string &FileName() const;
    bool IsOpen() const;

    // The path of the copy of a damaged log made since it was last asked, once;
    // empty when none was made.
    std::string TakeDamagedCopy();

    // Sent each time the buffered record becomes changed.
    zk::Signal<> Change;
    // Sent when OpenFile or OpenReadOnly has opened a file, so that whoever
    // shows the records reads them anew (a full log is replaced by a new one).
    zk::Signal<> Opened;

private:
    void Open(const std::string &openfilename, int flags, bool readOnly);
    void SetStart(const zk::LocalDateTime &g);
    void SetEnd(const zk::LocalDateTime &g);
    bool RecordChanged() const;
    void RecordChanged(bool value);

    struct Impl;
    std::unique_ptr<Impl> m;
};
