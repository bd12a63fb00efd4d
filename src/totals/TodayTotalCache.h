#pragma once

#include "core/Signal.h"
#include "time/CalendarDay.h"

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

class clsActionsDbase;

namespace zk {

// A user's total of today in the program's open store, counted by the
// CountingRule, for the two-hour alarm, the tooltip and the log list. What
// the count needs of each record is kept and forgotten at every Change of the
// record (all of it when the store opens another file), so that a count reads
// only the records that changed since the last one. Descriptions and durations
// are kept only for the records of the newest day seen, the only day that is
// today unless the clock went back; a count reads any other that it needs from
// the store.
class TodayTotalCache
{
public:
    // The store must outlive the cache.
    explicit TodayTotalCache(clsActionsDbase &store);
    TodayTotalCache(const TodayTotalCache &) = delete;
    TodayTotalCache &operator=(const TodayTotalCache &) = delete;

    // Seconds of the records that ended on the clock's date (zk::CurrentClock,
    // read once per call so that one call counts one day) and whose
    // description begins with username, each with its whole duration. A
    // record whose own duration leaves 32 bits is skipped; a total beyond 32
    // bits raises zk::OverflowError. The cursor is set back at the end, which
    // writes a changed buffered record. Errors of the store reach the caller.
    std::int32_t GetTodayTimeFromUser(const std::string &username);

    // Forgets every record, as when the file was rewritten behind the store's
    // back: the next count reads them all again.
    void ForgetAll();

private:
    struct Summary
    {
        bool known = false;
        std::optional<CalendarDay> day;
        std::int32_t seconds = 0;
    };

    void Forget(std::int32_t nr);
    // Takes what the count needs of the record under the cursor, number nr,
    // whose description has just been read; its summary is there already.
    void Note(std::int32_t nr, std::string description);

    clsActionsDbase &m_store;
    std::vector<Summary> m_summaries; // by record number
    // The descriptions of the records that ended on the newest day, in record
    // order: records are noted in that order nearly always, so keeping one is
    // an append.
    std::optional<CalendarDay> m_newestDay;
    std::vector<std::pair<std::int32_t, std::string>> m_newestDescriptions;
    Signal<>::Connection m_change;
    Signal<>::Connection m_opened;
};

} // namespace zk
