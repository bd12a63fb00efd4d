#pragma once

#include "time/CalendarDay.h"
#include "totals/LogEntry.h"

#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <vector>

namespace zk {

// Seconds per user per day, by the CountingRule, as the program counts a
// user's total of today; idle time in a column of its own.
class DailyTotals
{
public:
    struct Row
    {
        CalendarDay day;
        std::vector<std::int64_t> seconds; // one per user, in the order given
        std::int64_t idle = 0;
    };

    // Days outside [from, to] are left out; a missing bound is open.
    explicit DailyTotals(std::vector<std::string> users,
                         std::optional<CalendarDay> from = std::nullopt,
                         std::optional<CalendarDay> to = std::nullopt);
    DailyTotals(const std::vector<LogEntry> &records, std::vector<std::string> users,
                std::optional<CalendarDay> from = std::nullopt,
                std::optional<CalendarDay> to = std::nullopt);

    // Counts one more record.
    void Add(const LogEntry &record);

    const std::vector<std::string> &Users() const { return m_users; }
    // Days on which anything was counted, in calendar order.
    const std::deque<Row> &Rows() const { return m_rows; }
    // The row of one day; zeros when nothing was counted on it.
    Row RowOf(const CalendarDay &day) const;
    // Records that would count but whose elapsed time overflows 32 bits.
    int Overflowed() const { return m_overflowed; }

private:
    std::vector<std::string> m_users;
    std::optional<CalendarDay> m_from;
    std::optional<CalendarDay> m_to;
    // Logs are written in time order, so a new record's day is nearly always
    // the last row's or a later one: rows stay sorted with an append. A deque
    // grows without moving the rows it has, which a full log's thousands of
    // days would otherwise cost again at every doubling.
    std::deque<Row> m_rows;
    int m_overflowed = 0;
};

} // namespace zk
