#include "report/ReportLog.h"

#include "activity_log/clsActionsDbase.h"
#include "time/OverflowError.h"

#include <algorithm>

namespace zk::report {

namespace {

constexpr std::int32_t kMaxRecordNr = 32767;

DateTimeGroup StartOf(const clsActionsDbase &db)
{
    return {db.StartDateTimeYear(), db.StartDateTimeMonth(),  db.StartDateTimeDay(),
            db.StartDateTimeHour(), db.StartDateTimeMinute(), db.StartDateTimeSeconds()};
}

DateTimeGroup EndOf(const clsActionsDbase &db)
{
    return {db.EndDateTimeYear(), db.EndDateTimeMonth(),  db.EndDateTimeDay(),
            db.EndDateTimeHour(), db.EndDateTimeMinute(), db.EndDateTimeSeconds()};
}

} // namespace

ReportLog ReportLog::Read(const std::string &path)
{
    clsActionsDbase db;
    db.OpenReadOnly(path);
    const std::int32_t count = db.RecordCount();
    const std::int32_t reachable = std::min(count, kMaxRecordNr);

    ReportLog log;
    log.unreachable = count - reachable;
    log.records.reserve(static_cast<std::size_t>(reachable));
    for (std::int32_t i = 1; i <= reachable; ++i) {
        db.RecordNr(i);
        ReportRecord r;
        r.nr = i;
        r.start = StartOf(db);
        r.end = EndOf(db);
        try {
            r.elapsed = db.ElapsedSeconds();
        } catch (const zk::OverflowError &) {
            // A damaged record: its duration is unknown, the record is still listed.
        }
        r.description = db.Description();
        log.records.push_back(std::move(r));
    }
    db.CloseFile();
    return log;
}

} // namespace zk::report
