#include "report/ReportLog.h"

#include "activity_log/LogArchive.h"
#include "activity_log/clsActionsDbase.h"
#include "time/OverflowError.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

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

std::int64_t ReportLog::Visit(const std::string &path,
                             const std::function<void(const ReportRecord &)> &visit)
{
    clsActionsDbase db;
    db.OpenReadOnly(path);
    const std::int64_t unreachable = Visit(db, visit);
    db.CloseFile();
    return unreachable;
}

std::int64_t ReportLog::Visit(clsActionsDbase &db,
                             const std::function<void(const ReportRecord &)> &visit)
{
    // A record only buffered so far (the running stretch) counts too.
    db.Flush();
    const std::int32_t saved = db.RecordNr();
    const std::int32_t count = db.RecordCount();
    const std::int32_t reachable = std::min(count, kMaxRecordNr);
    ReportRecord r;
    for (std::int32_t i = 1; i <= reachable; ++i) {
        db.RecordNr(i);
        r.nr = i;
        r.start = StartOf(db);
        r.end = EndOf(db);
        r.elapsed.reset();
        try {
            r.elapsed = db.ElapsedSeconds();
        } catch (const zk::OverflowError &) {
            // A damaged record: its duration is unknown, the record is still listed.
        }
        r.description = db.Description();
        visit(r);
    }
    if (saved > 0 && saved != db.RecordNr())
        db.RecordNr(saved);
    return count - reachable;
}

std::int64_t ReportLog::VisitWithArchives(const std::string &path,
                                         const std::function<void(const ReportRecord &)> &visit)
{
    const std::vector<std::string> archives = LogArchive::Beside(path);
    std::int64_t unreachable = 0;
    for (const std::string &archive : archives)
        unreachable += Visit(archive, visit);
    std::error_code error;
    if (archives.empty() || std::filesystem::exists(path, error))
        unreachable += Visit(path, visit);
    return unreachable;
}

ReportLog ReportLog::Read(const std::string &path)
{
    ReportLog log;
    log.unreachable = Visit(path, [&](const ReportRecord &r) { log.records.push_back(r); });
    return log;
}

} // namespace zk::report
