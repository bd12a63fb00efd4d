#include "tracking/ClockJumpWatch.h"

#include "platform/Clock.h"
#include "time/TimeShapes.h"

namespace {
constexpr std::int64_t kSameClock = 2;
}

ClockJumpWatch::Step ClockJumpWatch::Observe(const Reading &now)
{
    Step step;
    if (m_last) {
        step.elapsed = now.steady - m_last->steady;
        step.localBefore = m_last->local;
        step.slept = step.elapsed > m_sleepSeconds;
        const std::int64_t drift = (now.local - m_last->local) - step.elapsed;
        if (!step.slept && (drift > kSameClock || drift < -kSameClock))
            step.shift = drift;
    } else {
        step.localBefore = now.local;
    }
    m_last = now;
    return step;
}

ClockJumpWatch::Reading ClockJumpWatch::Now()
{
    const zk::Clock &clock = zk::CurrentClock();
    return {clock.SteadySeconds(), zk::ClockSeconds(clock.Now())};
}
