#include "support/FakeClock.h"
#include "support/FakePointer.h"
#include "tracking/UCMouseWatch.h"

#include <QTimer>
#include <gtest/gtest.h>

// Scan rate 0 stops the timer; a look places the dot where the pointer is on the screen (in the
// corner without a screen size).
TEST(UCMouseWatch, TheTimerFollowsTheScanRateAndALookMirrorsThePointer)
{
    zk::test::FakeClock clock;
    zk::test::FakePointer pointer;
    UCMouseWatch watch(pointer);
    watch.ScanRateInSeconds(0);
    EXPECT_FALSE(watch.findChild<QTimer *>("Timer1")->isActive());
    watch.resize(48, 36);
    const std::pair<zk::ScreenSize, QPoint> looks[] = {{{1920, 1080}, {24, 35}}, {{0, 0}, {0, 0}}};
    for (const auto &[screen, at] : looks) {
        pointer.position = {960, 1079};
        pointer.screen = screen;
        watch.Timer1_Timer();
        EXPECT_EQ(watch.findChild<QWidget *>("picMouse")->pos(), at);
        EXPECT_TRUE(watch.findChild<QWidget *>("picMouse")->autoFillBackground()); // a dot
    }
}
