#include "totals/DailyTotals.h"

#include "totals/CountingRule.h"

#include <algorithm>
#include <iterator>

namespace zk {

namespace {

bool DayBefore(const DailyTotals::Row &row, const CalendarDay &d) { return row.day < d; }

} // namespace

DailyTotals::DailyTotals(std::vector<std::string> users, std::optional<CalendarDay> from,
                         std::optional<CalendarDay> to)
    : m_users(std::move(users)), m_from(from), m_to(to)
{
}

DailyTotals::DailyTotals(const std::vector<LogEntry> &records, std::vector<std::string> users,
                         std::optional<CalendarDay> from, std::optional<CalendarDay> to)
    : DailyTotals(std::move(users), from, to)
{
    for (const LogEntry &r : records)
        Add(r);
}

void DailyTotals::Add(const LogEntry &r)
{
    const auto day = CountingRule::Day(r.end);
    if (!day || (m_from && *day < *m_from) || (m_to && *m_to < *day))
        return;
    const bool idle = CountingRule::IsIdle(r.description);
    const bool anyUser = std::any_of(m_users.begin(), m_users.end(),
                                     [&](const auto &u) { return CountingRule::CountsFor(r.description, u); });
    if (!idle && !anyUser)
        return;
    if (!r.elapsed) {
        ++m_overflowed;
        return;
    }
    // Nearly always the last row's day or a later one.
    auto it = m_rows.end();
    if (!m_rows.empty() && m_rows.back().day == *day)
        it = std::prev(m_rows.end());
    else if (!m_rows.empty() && *day < m_rows.back().day)
        it = std::lower_bound(m_rows.begin(), m_rows.end(), *day, DayBefore);
    if (it == m_rows.end() || it->day != *day) {
        Row row;
        row.day = *day;
        row.seconds.assign(m_users.size(), 0);
        it = m_rows.insert(it, std::move(row));
    }
    for (std::size_t u = 0; u < m_users.size(); ++u)
        if (CountingRule::CountsFor(r.description, m_users[u]))
            it->seconds[u] += *r.elapsed;
    if (idle)
        it->idle += *r.elapsed;
}

DailyTotals::Row DailyTotals::RowOf(const CalendarDay &day) const
{
    const auto it = std::lower_bound(m_rows.begin(), m_rows.end(), day, DayBefore);
    if (it != m_rows.end() && it->day == day)
        return *it;
    Row empty;
    empty.day = day;
    empty.seconds.assign(m_users.size(), 0);
    return empty;
}

} // namespace zk
