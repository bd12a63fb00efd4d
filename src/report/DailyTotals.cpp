#include "report/DailyTotals.h"

#include <algorithm>

namespace zk::report {

namespace {

bool DayBefore(const DailyTotals::Row &row, const ReportDay &d) { return row.day < d; }

bool BeginsWith(const std::string &text, const std::string &prefix)
{
    return text.size() >= prefix.size() && text.compare(0, prefix.size(), prefix) == 0;
}

} // namespace

DailyTotals::DailyTotals(std::vector<std::string> users, std::optional<ReportDay> from,
                         std::optional<ReportDay> to)
    : m_users(std::move(users)), m_from(from), m_to(to)
{
}

DailyTotals::DailyTotals(const std::vector<ReportRecord> &records, std::vector<std::string> users,
                         std::optional<ReportDay> from, std::optional<ReportDay> to)
    : DailyTotals(std::move(users), from, to)
{
    for (const ReportRecord &r : records)
        Add(r);
}

void DailyTotals::Add(const ReportRecord &r)
{
    const auto day = ReportDay::FromFields(r.end.Year, r.end.Month, r.end.Day);
    if (!day || (m_from && *day < *m_from) || (m_to && *m_to < *day))
        return;
    const bool idle = BeginsWith(r.description, "Idle");
    const bool anyUser = std::any_of(m_users.begin(), m_users.end(),
                                     [&](const auto &u) { return BeginsWith(r.description, u); });
    if (!idle && !anyUser)
        return;
    if (!r.elapsed) {
        ++m_overflowed;
        return;
    }
    auto it = (m_rows.empty() || m_rows.back().day < *day)
                  ? m_rows.end()
                  : std::lower_bound(m_rows.begin(), m_rows.end(), *day, DayBefore);
    if (it == m_rows.end() || it->day != *day) {
        Row row;
        row.day = *day;
        row.seconds.assign(m_users.size(), 0);
        it = m_rows.insert(it, std::move(row));
    }
    for (std::size_t u = 0; u < m_users.size(); ++u)
        if (BeginsWith(r.description, m_users[u]))
            it->seconds[u] += *r.elapsed;
    if (idle)
        it->idle += *r.elapsed;
}

DailyTotals::Row DailyTotals::RowOf(const ReportDay &day) const
{
    const auto it = std::lower_bound(m_rows.begin(), m_rows.end(), day, DayBefore);
    if (it != m_rows.end() && it->day == day)
        return *it;
    Row empty;
    empty.day = day;
    empty.seconds.assign(m_users.size(), 0);
    return empty;
}

} // namespace zk::report
