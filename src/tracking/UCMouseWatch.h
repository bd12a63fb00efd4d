#pragma once

#include "core/Signal.h"
#include "tracking/MouseIdleCounter.h"

#include <QWidget>

#include <cstdint>

class QTimer;

namespace zk {
class PointerSource;
}

// The mouse watch: a small control that looks at the pointer every
// ScanRateInSeconds (1 when created), mirrors its place on the screen with the
// little picture picMouse and counts how long it has stood still. The counting,
// including the late look after a sleep, is MouseIdleCounter's; the time of a
// look is the steady clock of zk::CurrentClock().
class UCMouseWatch : public QWidget
{
    Q_OBJECT

public:
    explicit UCMouseWatch(zk::PointerSource &pointer, QWidget *parent = nullptr);
    ~UCMouseWatch() override;

    std::int32_t ScanRateInSeconds() const { return m_counter.ScanRateInSeconds(); }
    // Stores the value, then sets Timer1's interval to value x 1000 ms, which
    // raises zk::OverflowError when it leaves 32 bits. A value below 1 stops
    // the looks until a usable one is set.
    void ScanRateInSeconds(std::int32_t seconds);
    // A look this much later than the previous one counts as a sleep (600
    // when created; keep it equal to the idle limit).
    std::int32_t LateLookSeconds() const { return m_counter.LateLookSeconds(); }
    void LateLookSeconds(std::int32_t seconds) { m_counter.LateLookSeconds(seconds); }

    // Idle counter to 0; raises nothing, keeps the last position.
    void Reset() { m_counter.Reset(); }
    std::int32_t IdleCounter() const { return m_counter.IdleCounter(); }

    // One look, as at every tick of Timer1.
    void Timer1_Timer();

    QSize sizeHint() const override { return {48, 36}; }

    // Raised at every look (with the idle counter), ResetIdle first when the
    // pointer moved.
    zk::Signal<std::int32_t &> Idle;
    zk::Signal<> ResetIdle;

private:
    zk::PointerSource &m_pointer;
    MouseIdleCounter m_counter;
    QTimer *Timer1;
    QWidget *picMouse;
    zk::Signal<std::int32_t &>::Connection m_idleForward;
    zk::Signal<>::Connection m_resetForward;
};
