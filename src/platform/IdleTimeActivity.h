#pragma once

#include "platform/PointerSource.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace zk {

class IdleTimeSource;

// Stands in for the pointer position where a program cannot see the global
// pointer (Wayland). Each look asks the idle-time sources in order and takes
// the first answer: input since the previous look shows as a changed
// synthetic position (near the middle of the screen, one pixel to and fro),
// no input as the same position. Input happened when the idle time is shorter
// than the time since the previous look.
//
// When no source answers, CanSeeActivity() is false and the position stays.
// The sources are asked once on construction, so CanSeeActivity() holds an
// answer before the first look.
class IdleTimeActivity
{
public:
    // nowMs: a steady clock in milliseconds (only differences count).
    IdleTimeActivity(std::vector<IdleTimeSource *> sources, std::int64_t nowMs);

    PointerPosition Look(std::int64_t nowMs, ScreenSize screen);
    bool CanSeeActivity() const { return m_canSee; }

private:
    std::optional<std::uint64_t> Ask();

    std::vector<IdleTimeSource *> m_sources;
    bool m_canSee{};
    bool m_flipped = false;
    std::optional<std::int64_t> m_previousLook; // last look that got an answer
};

} // namespace zk
