#include "report/DailyTotals.h"

#include <algorithm>
#include <map>

namespace zk::report {

namespace {

bool BeginsWith(const std::string &text, const std::string &prefix)
{
    return text.size() >= prefix.size() && text.compare(0, prefix.size(), prefix) == 0;
}

} // namespace

DailyTotals::DailyTotals(const std::vector<ReportRecord> &records, std::vector<std::string> users,
                         std::optional<ReportDay> from, std::optional<ReportDay> to)
    : m_users(std::move(users))
{
    std::map<ReportDay, Row> byDay;
    for (const ReportRecord &r : records) {
        const auto day = ReportDay::FromFields(r.end.Year, r.end.Month, r.end.Day);
        if (!day || (from && *day < *from) || (to && *to < *day))
            continue;
        const bool idle = BeginsWith(r.description, "Idle");
        const bool anyUser = std::any_of(m_users.begin(), m_users.end(), [&](const auto &u) {
            return BeginsWith(r.description, u);
        });
        if (!idle && !anyUser)
            continue;
        if (!r.elapsed) {
            ++m_overflowed;
            continue;
        }
        auto [it, added] = byDay.try_emplace(*day);
        Row &row = it->second;
        if (added) {
            row.day = *day;
            row.seconds.assign(m_users.size(), 0);
        }
        for (std::size_t u = 0; u < m_users.size(); ++u)
            if (BeginsWith(r.description, m_users[u]))
                row.seconds[u] += *r.elapsed;
        if (idle)
            row.idle += *r.elapsed;
    }
    m_rows.reserve(byDay.size());
    for (auto &entry : byDay)
        m_rows.push_back(std::move(entry.second));
}

DailyTotals::Row DailyTotals::RowOf(const ReportDay &day) const
{
    const auto it = std::lower_bound(m_rows.begin(), m_rows.end(), day,
                                     [](const Row &row, const ReportDay &d) { return row.day < d; });
    if (it != m_rows.end() && it->day == day)
        return *it;
    Row empty;
    empty.day = day;
    empty.seconds.assign(m_users.size(), 0);
    return empty;
}

} // namespace zk::report
