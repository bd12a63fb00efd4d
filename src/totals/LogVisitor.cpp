#include "totals/LogVisitor.h"

#include "activity_log/LogArchive.h"
#include "activity_log/StoreWalk.h"
#include "activity_log/clsActionsDbase.h"
#include "time/OverflowError.h"

#include <algorithm>

namespace zk {

namespace {

constexpr std::int32_t kMaxRecordNr = 32767;

} // namespace

std::int64_t LogVisitor::File(const std::string &path, const Visit &visit)
{
    clsActionsDbase db;
    db.OpenReadOnly(path);
    const std::int64_t unreachable = Store(db, visit);
    db.CloseFile();
    return unreachable;
}

std::int64_t LogVisitor::Store(clsActionsDbase &db, const Visit &visit)
{
    // A record only buffered so far (the running stretch) counts too.
    db.Flush();
    StoreWalk cursor(db);
    const std::int32_t count = db.RecordCount();
    const std::int32_t reachable = std::min(count, kMaxRecordNr);
    LogEntry r;
    for (std::int32_t i = 1; i <= reachable; ++i) {
        db.RecordNr(i);
        r.nr = i;
        r.start = db.StartDateTime();
        r.end = db.EndDateTime();
        r.elapsed.reset();
        try {
            r.elapsed = db.ElapsedSeconds();
        } catch (const OverflowError &) {
            // A damaged record: its duration is unknown, the record is still listed.
        }
        r.description = db.Description();
        visit(r);
    }
    cursor.Restore();
    return count - reachable;
}

void LogVisitor::WithArchives(clsActionsDbase &store, const CalendarDay &from,
                              const Visit &visit)
{
    const LocalDateTime cut{from.year, from.month, from.day, 0, 0, 0};
    for (const std::string &archive : LogArchive::Beside(store.FileName(), &cut))
        File(archive, visit);
    Store(store, visit);
}

std::vector<LogEntry> LogVisitor::Read(const std::string &path)
{
    std::vector<LogEntry> records;
    File(path, [&](const LogEntry &r) { records.push_back(r); });
    return records;
}

} // namespace zk
