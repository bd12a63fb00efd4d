#include "support/FakeClock.h"
#include "support/FakePointer.h"
#include "time/OverflowError.h"
#include "tracking/UCMouseWatch.h"

#include <QTimer>

#include <gtest/gtest.h>

TEST(UCMouseWatch, TheTimerFollowsTheScanRateAndALookMirrorsThePointer)
{
    zk::test::FakeClock clock;
    zk::test::FakePointer pointer;
    UCMouseWatch watch(pointer);
    auto *timer = watch.findChild<QTimer *>("Timer1");
    EXPECT_EQ(timer->interval(), 1000);
    EXPECT_THROW(watch.ScanRateInSeconds(3'000'000), zk::OverflowError);
    watch.ScanRateInSeconds(0);
    EXPECT_FALSE(timer->isActive());
    watch.ScanRateInSeconds(10);
    EXPECT_EQ(timer->interval(), 10000);
    EXPECT_TRUE(timer->isActive());
    watch.resize(48, 36);
    const std::tuple<zk::PointerPosition, zk::ScreenSize, QPoint, std::int32_t> looks[] = {
        {{960, 1079}, {1920, 1080}, {24, 35}, 0}, {{960, 1079}, {1920, 1080}, {24, 35}, 10},
        {{5, 5}, {0, 0}, {0, 0}, 0}}; // no screen size: the corner
    for (const auto &[position, screen, at, idle] : looks) {
        pointer.position = position;
        pointer.screen = screen;
        clock.Advance(10);
        watch.Timer1_Timer();
        EXPECT_EQ(watch.findChild<QWidget *>("picMouse")->pos(), at);
        EXPECT_TRUE(watch.findChild<QWidget *>("picMouse")->autoFillBackground()); // a dot
        EXPECT_EQ(watch.IdleCounter(), idle);
    }
}
