#pragma once

#include "core/Signal.h"
#include "platform/PointerSource.h"
#include "tracking/ClockJumpWatch.h"

#include <cstdint>

// What the mouse watch does at one look at the pointer, without the timer and
// the picture, so that whole stretches can be driven by a fake pointer.
//
// A look that finds the pointer where it was adds ScanRateInSeconds to the
// idle counter; one that finds it moved sets the counter to 0 and raises
// ResetIdle. Every look then raises Idle with the counter (by reference).
//
// Sleep and resume: a look that comes more than LateLookSeconds after the
// previous one by the steady clock (a sleep, ClockJumpWatch) counts the whole
// gap as stillness, whatever the pointer did meanwhile: the counter grows by
// the gap and Idle is raised with it first; when the pointer has moved,
// ResetIdle and a second Idle (with 0) follow. The wall clock plays no part:
// setting it never makes a look late.
class MouseIdleCounter
{
public:
    // steadySeconds: the steady clock at the look (zk::Clock::SteadySeconds).
    void Look(const zk::PointerPosition &position, std::int64_t steadySeconds);
    // Counter to 0; raises nothing and keeps the last position. The next look is
    // never late: a stretch begun right after a resume, before the first look,
    // does not inherit the sleep as its own stillness.
    void Reset()
    {
        m_idle = 0;
        m_looks.Forget();
    }

    std::int32_t ScanRateInSeconds() const { return m_scanRate; }
    void ScanRateInSeconds(std::int32_t seconds) { m_scanRate = seconds; }
    // 600 unless set; the main window keeps it equal to the idle limit.
    std::int32_t LateLookSeconds() const { return m_looks.SleepSeconds(); }
    void LateLookSeconds(std::int32_t seconds) { m_looks.SleepSeconds(seconds); }

    std::int32_t IdleCounter() const { return m_idle; }

    // In this order at a look that finds the pointer moved.
    zk::Signal<std::int32_t &> Idle;
    zk::Signal<> ResetIdle;

private:
    void AddStillness(std::int64_t seconds);

    std::int32_t m_idle = 0;
    std::int32_t m_scanRate = 1;
    zk::PointerPosition m_last{0, 0};
    ClockJumpWatch m_looks;
};
