#include "totals/TodayTotalCache.h"

#include "activity_log/StoreWalk.h"
#include "activity_log/clsActionsDbase.h"
#include "time/OverflowError.h"
#include "totals/CountingRule.h"

#include <algorithm>

namespace zk {

namespace {

// Nothing for a damaged record, which has no duration to add.
std::int32_t SecondsOf(const clsActionsDbase &store)
{
    try {
        return store.ElapsedSeconds();
    } catch (const OverflowError &) {
        return 0;
    }
}

} // namespace

TodayTotalCache::TodayTotalCache(clsActionsDbase &store)
    : m_store(store)
{
    m_change = store.Change.Connect([this] { Forget(m_store.RecordNr()); });
    m_opened = store.Opened.Connect([this] { ForgetAll(); });
}

void TodayTotalCache::Forget(std::int32_t nr)
{
    const auto at = static_cast<std::size_t>(nr);
    if (nr >= 1 && at < m_summaries.size())
        m_summaries[at].known = false;
}

void TodayTotalCache::Note(std::int32_t nr, std::string description)
{
    Summary &s = m_summaries.at(static_cast<std::size_t>(nr));
    s.day = CountingRule::Day(m_store.EndDateTime());
    auto kept = std::lower_bound(m_newestDescriptions.begin(), m_newestDescriptions.end(), nr,
                                 [](const auto &k, std::int32_t n) { return k.first < n; });
    const bool wasKept = kept != m_newestDescriptions.end() && kept->first == nr;
    if (s.day && (!m_newestDay || *s.day >= *m_newestDay)) {
        if (m_newestDay != s.day) {
            m_newestDescriptions.clear(); // all of older days
            kept = m_newestDescriptions.end();
        }
        m_newestDay = s.day;
        if (kept != m_newestDescriptions.end() && kept->first == nr)
            kept->second = std::move(description);
        else
            m_newestDescriptions.emplace(kept, nr, std::move(description));
        s.seconds = SecondsOf(m_store);
    } else {
        if (wasKept)
            m_newestDescriptions.erase(kept);
        s.seconds = 0;
    }
    s.known = true;
}

void TodayTotalCache::ForgetAll()
{
    m_summaries.clear();
    m_newestDay.reset();
    m_newestDescriptions.clear();
}

std::int32_t TodayTotalCache::GetTodayTimeFromUser(const std::string &username)
{
    StoreWalk cursor(m_store);
    std::int32_t total = 0;
    const std::int16_t n = CheckedToInt16(m_store.RecordCount());
    if (m_summaries.size() < static_cast<std::size_t>(n) + 1)
        m_summaries.resize(static_cast<std::size_t>(n) + 1);
    const std::optional<CalendarDay> today = CalendarDay::Of(CurrentClock().Now());
    for (std::int32_t i = 1; i <= n; ++i) {
        if (!m_summaries[static_cast<std::size_t>(i)].known) {
            m_store.RecordNr(i);
            Note(i, m_store.Description());
        }
    }
    if (today && today == m_newestDay) {
        // Every record of the newest day is kept, with its seconds.
        for (const auto &[nr, description] : m_newestDescriptions)
            if (nr <= n && CountingRule::CountsFor(description, username))
                total = CheckedAdd(total, m_summaries[static_cast<std::size_t>(nr)].seconds);
    } else if (today) {
        // Today is older than the newest day seen (the clock went back): its
        // records are read again.
        for (std::int32_t i = 1; i <= n; ++i) {
            if (m_summaries[static_cast<std::size_t>(i)].day != today)
                continue;
            m_store.RecordNr(i);
            if (CountingRule::CountsFor(m_store.Description(), username))
                total = CheckedAdd(total, SecondsOf(m_store));
        }
    }
    cursor.Restore();
    return total;
}

} // namespace zk
