#include "platform/IdleTimeActivity.h"

#include "platform/IdleTimeSource.h"

namespace zk {

IdleTimeActivity::IdleTimeActivity(std::vector<IdleTimeSource *> sources, std::int64_t nowMs)
    : m_sources(std::move(sources))
{
    m_canSee = Ask().has_value();
    if (m_canSee)
        m_previousLook = nowMs;
}

std::optional<std::uint64_t> IdleTimeActivity::Ask()
{
    for (IdleTimeSource *source : m_sources) {
        if (!source)
            continue;
        if (auto idle = source->IdleMilliseconds())
            return idle;
    }
    return std::nullopt;
}

PointerPosition IdleTimeActivity::Look(std::int64_t nowMs, ScreenSize screen)
{
    const std::optional<std::uint64_t> idle = Ask();
    m_canSee = idle.has_value();
    if (idle) {
        // Without a previous answer there is no interval to compare with; the
        // first look that is answered counts as still.
        if (m_previousLook) {
            const std::int64_t sinceLook = nowMs - *m_previousLook;
            if (sinceLook > 0 && *idle < static_cast<std::uint64_t>(sinceLook))
                m_flipped = !m_flipped;
        }
        m_previousLook = nowMs;
    } else {
        m_previousLook.reset();
    }
    return {screen.width / 2 + (m_flipped ? 1 : 0), screen.height / 2};
}

} // namespace zk
