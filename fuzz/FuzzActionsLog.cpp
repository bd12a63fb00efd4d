// actions.dat as the tray program meets it at start-up: any bytes at all,
// opened for writing, every record read through every accessor in one walk,
// then one new stretch appended and closed. When the first byte is even,
// another program cuts the file short half-way through the walk. Nothing may
// crash or throw anything but our own errors, and the file may change only
// where the new record went.

#include "ScratchFolder.h"

#include "activity_log/StoreWalk.h"
#include "activity_log/clsActionsDbase.h"
#include "time/OverflowError.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

#include <unistd.h>

namespace {

void ReadEverything(clsActionsDbase &db)
{
    (void)db.Description();
    (void)db.StartDateTimeYear();
    (void)db.StartDateTimeMonth();
    (void)db.StartDateTimeDay();
    (void)db.StartDateTimeHour();
    (void)db.StartDateTimeMinute();
    (void)db.StartDateTimeSeconds();
    (void)db.EndDateTimeYear();
    (void)db.EndDateTimeMonth();
    (void)db.EndDateTimeDay();
    (void)db.EndDateTimeHour();
    (void)db.EndDateTimeMinute();
    (void)db.EndDateTimeSeconds();
    (void)db.ValidStartAndValidEndTime();
    (void)db.StartTimeAsString();
    (void)db.EndTimeAsString();
    (void)db.StartDateAndEndDateAsString();
    try {
        (void)db.ElapsedSeconds();
    } catch (const zk::OverflowError &) {
        // Times far apart in a damaged record: the overflow is the defined answer.
    }
}

// Where a new stretch goes: record RecordCount + 1, as the stretch controller
// appends it, then the cursor back, which writes it.
std::int32_t AppendStretch(clsActionsDbase &db)
{
    const std::int32_t count = db.RecordCount();
    if (count >= 32767)
        return 0;
    const std::int32_t saved = db.RecordNr();
    db.RecordNr(count + 1);
    db.SetStartTimeToNow();
    db.SetEndTimeToNow();
    db.Description("Jan");
    db.RecordNr(saved);
    return count + 1;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static zk::fuzz::ScratchFolder folder("actions");
    const std::string path = folder.File("actions.dat");
    zk::fuzz::WriteBytes(path, data, size);
    std::string before(reinterpret_cast<const char *>(data), size);
    const bool cut = size > 0 && data[0] % 2 == 0;
    const std::size_t kept = cut ? (std::size_t{data[0]} * 149) % (size + 1) : size;

    std::int32_t appended = 0;
    std::string damagedCopy;
    {
        clsActionsDbase db;
        db.OpenFile(path);
        const std::int32_t count = db.RecordCount();
        {
            StoreWalk walk(db);
            for (std::int32_t i = 1; i <= std::min(count + 1, 32767); ++i) {
                if (cut && i == count / 2 + 1 && ::truncate(path.c_str(), off_t(kept)) != 0)
                    zk::fuzz::Fail("the log cannot be cut short");
                db.RecordNr(i);
                ReadEverything(db);
            }
            walk.Restore();
        }
        before.resize(kept);
        db.RecordNr(1);
        appended = AppendStretch(db);
        if (appended > 0) {
            db.RecordNr(appended);
            if (db.Description() != "Jan")
                zk::fuzz::Fail("the appended record does not read back");
        }
        db.CloseFile();
        damagedCopy = db.TakeDamagedCopy();
    }

    // A log that is not whole records is copied aside whole before its first write.
    if (!damagedCopy.empty()) {
        if (zk::fuzz::ReadBytes(damagedCopy) != before)
            zk::fuzz::Fail("the copy of the damaged log differs from it");
        std::remove(damagedCopy.c_str());
    } else if (appended > 0 && kept % 148 != 0) {
        zk::fuzz::Fail("a damaged log was written without a copy");
    }

    const std::string after = zk::fuzz::ReadBytes(path);
    if (after.size() < before.size())
        zk::fuzz::Fail("the log was shortened");
    const std::size_t newBegin = appended > 0 ? std::size_t(appended - 1) * 148 : after.size();
    const std::size_t newEnd = newBegin + 148;
    for (std::size_t i = 0; i < before.size(); ++i) {
        if ((i < newBegin || i >= newEnd) && after[i] != before[i])
            zk::fuzz::Fail("byte " + std::to_string(i) + " changed outside the new record");
    }
    return 0;
}
