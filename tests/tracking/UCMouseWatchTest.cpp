#include "support/FakeClock.h"
#include "support/FakePointer.h"
#include "time/OverflowError.h"
#include "tracking/UCMouseWatch.h"

#include <QTimer>

#include <gtest/gtest.h>

using namespace zk::test;

TEST(UCMouseWatch, TheTimerFollowsTheScanRate)
{
    FakePointer pointer;
    UCMouseWatch watch(pointer);
    auto *timer = watch.findChild<QTimer *>("Timer1");
    ASSERT_NE(timer, nullptr);
    EXPECT_EQ(watch.ScanRateInSeconds(), 1);
    EXPECT_EQ(timer->interval(), 1000);
    EXPECT_TRUE(timer->isActive());
    watch.ScanRateInSeconds(10);
    EXPECT_EQ(timer->interval(), 10000);
    EXPECT_THROW(watch.ScanRateInSeconds(3'000'000), zk::OverflowError);
    watch.ScanRateInSeconds(0);
    EXPECT_FALSE(timer->isActive());
    watch.ScanRateInSeconds(2);
    EXPECT_TRUE(timer->isActive());
}

TEST(UCMouseWatch, ALookMirrorsThePointerAndCountsStillness)
{
    FakeClock clock;
    FakePointer pointer;
    pointer.screen = {1920, 1080};
    UCMouseWatch watch(pointer);
    watch.resize(48, 36);
    watch.ScanRateInSeconds(10);
    std::vector<std::string> events;
    auto c1 = watch.Idle.Connect([&](std::int32_t &n) { events.push_back(std::to_string(n)); });
    auto c2 = watch.ResetIdle.Connect([&] { events.push_back("reset"); });

    pointer.position = {960, 1079};
    watch.Timer1_Timer();
    auto *pic = watch.findChild<QWidget *>("picMouse");
    ASSERT_NE(pic, nullptr);
    EXPECT_EQ(pic->pos(), QPoint(48 * 960 / 1920, 36 * 1079 / 1080));
    clock.Advance(10);
    watch.Timer1_Timer();
    clock.Advance(10);
    watch.Timer1_Timer();
    EXPECT_EQ(events, (std::vector<std::string>{"reset", "0", "10", "20"}));
    EXPECT_EQ(watch.IdleCounter(), 20);
    watch.Reset();
    EXPECT_EQ(watch.IdleCounter(), 0);

    // After a sleep the gap counts before the movement that woke the machine.
    events.clear();
    clock.Advance(3600);
    pointer.position = {0, 0};
    watch.Timer1_Timer();
    EXPECT_EQ(events, (std::vector<std::string>{"3600", "reset", "0"}));
    EXPECT_EQ(pic->pos(), QPoint(0, 0));

    // A screen of no size leaves the picture in the corner.
    pointer.screen = {0, 0};
    pointer.position = {5, 5};
    watch.Timer1_Timer();
    EXPECT_EQ(pic->pos(), QPoint(0, 0));
}
