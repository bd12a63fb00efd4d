#include "tracking/UCMouseWatch.h"

#include "platform/PointerSource.h"
#include "time/OverflowError.h"
#include "platform/Clock.h"

#include <QPalette>
#include <QTimer>

namespace {

int Proportion(int inner, std::int32_t position, std::int32_t whole)
{
    if (whole <= 0)
        return 0;
    return static_cast<int>(static_cast<std::int64_t>(inner) * position / whole);
}

} // namespace

UCMouseWatch::UCMouseWatch(zk::PointerSource &pointer, QWidget *parent)
    : QWidget(parent)
    , m_pointer(pointer)
    , Timer1(new QTimer(this))
    , picMouse(new QWidget(this))
{
    setObjectName("UCMouseWatch");
    Timer1->setObjectName("Timer1");
    picMouse->setObjectName("picMouse");
    picMouse->setFixedSize(4, 4);
    picMouse->setAutoFillBackground(true);
    QPalette palette = picMouse->palette();
    palette.setColor(QPalette::Window, palette.color(QPalette::WindowText));
    picMouse->setPalette(palette);

    m_idleForward = m_counter.Idle.Connect([this](std::int32_t &counter) { Idle.Emit(counter); });
    m_resetForward = m_counter.ResetIdle.Connect([this] { ResetIdle.Emit(); });

    connect(Timer1, &QTimer::timeout, this, &UCMouseWatch::Timer1_Timer);
    ScanRateInSeconds(1);
}

UCMouseWatch::~UCMouseWatch() = default;

void UCMouseWatch::ScanRateInSeconds(std::int32_t seconds)
{
    m_counter.ScanRateInSeconds(seconds);
    const std::int32_t interval = zk::CheckedMul(seconds, 1000);
    if (interval <= 0) {
        Timer1->stop();
        return;
    }
    Timer1->start(interval);
}

void UCMouseWatch::Timer1_Timer()
{
    const zk::PointerPosition position = m_pointer.Position();
    const zk::ScreenSize screen = m_pointer.Screen();
    const QRect inner = contentsRect();
    picMouse->move(inner.left() + Proportion(inner.width(), position.x, screen.width),
                   inner.top() + Proportion(inner.height(), position.y, screen.height));
    m_counter.Look(position, zk::CurrentClock().SteadySeconds());
}
