#include "tracking/MouseIdleCounter.h"

#include <algorithm>
#include <limits>

void MouseIdleCounter::AddStillness(std::int64_t seconds)
{
    // The counter only ever grows; it stops at the 32-bit limit instead of
    // wrapping to a negative count.
    const std::int64_t sum = static_cast<std::int64_t>(m_idle) + seconds;
    constexpr std::int64_t top = std::numeric_limits<std::int32_t>::max();
    constexpr std::int64_t bottom = std::numeric_limits<std::int32_t>::min();
    m_idle = static_cast<std::int32_t>(std::clamp(sum, bottom, top));
}

void MouseIdleCounter::Look(const zk::PointerPosition &position, std::int64_t steadySeconds)
{
    const bool moved = !(position == m_last);
    const ClockJumpWatch::Step step = m_looks.Observe({steadySeconds, steadySeconds});
    m_last = position;

    if (step.slept) {
        // The machine slept (or the program was stopped in a debugger): nobody
        // can say when the pointer moved, so the gap is stillness that ends now.
        AddStillness(step.elapsed);
        Idle.Emit(m_idle);
        if (moved) {
            m_idle = 0;
            ResetIdle.Emit();
            Idle.Emit(m_idle);
        }
        return;
    }

    if (moved) {
        m_idle = 0;
        ResetIdle.Emit();
    } else {
        AddStillness(m_scanRate);
    }
    Idle.Emit(m_idle);
}
