#include "totals/TodayTotalCache.h"

#include "activity_log/StoreWalk.h"
#include "activity_log/clsActionsDbase.h"
#include "time/OverflowError.h"
#include "totals/CountingRule.h"

#include <algorithm>

namespace zk {

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
    if (nr < 1)
        return;
    const auto at = static_cast<std::size_t>(nr);
    if (at >= m_summaries.size())
        m_summaries.resize(at + 1);
    Summary &s = m_summaries[at];
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
    } else if (wasKept) {
        m_newestDescriptions.erase(kept);
    }
    try {
        s.seconds = m_store.ElapsedSeconds();
        s.hasSeconds = true;
    } catch (const OverflowError &) {
        s.hasSeconds = false; // a damaged record has no duration to add
    }
    s.known = true;
}

void TodayTotalCache::ForgetAll()
{
    m_summaries.clear();
    m_newestDay.reset();
    m_newestDescriptions.clear();
}

// The kept description, or the one read from the store into read.
const std::string &TodayTotalCache::DescriptionOf(std::int32_t nr, std::string &read)
{
    const auto kept =
        std::lower_bound(m_newestDescriptions.begin(), m_newestDescriptions.end(), nr,
                         [](const auto &k, std::int32_t n) { return k.first < n; });
    if (kept != m_newestDescriptions.end() && kept->first == nr)
        return kept->second;
    m_store.RecordNr(nr);
    read = m_store.Description();
    return read;
}

std::int32_t TodayTotalCache::GetTodayTimeFromUser(const std::string &username)
{
    StoreWalk cursor(m_store);
    std::int32_t total = 0;
    const std::int16_t n = CheckedToInt16(m_store.RecordCount());
    if (m_summaries.size() < static_cast<std::size_t>(n) + 1)
        m_summaries.resize(static_cast<std::size_t>(n) + 1);
    const std::optional<CalendarDay> today = CalendarDay::Of(CurrentClock().Now());
    std::string read;
    for (std::int32_t i = 1; i <= n; ++i) {
        if (!m_summaries[static_cast<std::size_t>(i)].known) {
            m_store.RecordNr(i);
            Note(i, m_store.Description());
        }
        const Summary &s = m_summaries[static_cast<std::size_t>(i)];
        if (!today || s.day != today || !s.hasSeconds ||
            !CountingRule::CountsFor(DescriptionOf(i, read), username))
            continue;
        total = CheckedAdd(total, s.seconds);
    }
    cursor.Restore();
    return total;
}

} // namespace zk
