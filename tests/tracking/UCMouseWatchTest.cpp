#include "support/FakeClock.h"
#include "support/FakePointer.h"
#include "tracking/UCMouseWatch.h"

#include <QTimer>
#include <gtest/gtest.h>

// Scan rate 0 stops the timer; a look places the dot where the pointer is on the screen (in the
// corner without a screen size) and counts each still look as the scan rate's seconds.
TEST(UCMouseWatch, TheTimerFollowsTheScanRateAndALookMirrorsThePointer)
{
    zk::test::FakeClock clock;
    zk::test::FakePointer pointer;
    UCMouseWatch watch(pointer);
    watch.ScanRateInSeconds(0);
    EXPECT_FALSE(watch.findChild<QTimer *>("Timer1")->isActive());
    watch.ScanRateInSeconds(10);
    watch.resize(48, 36);
    for (const auto &[screen, at, idle] : {std::tuple{zk::ScreenSize{1920, 1080}, QPoint{24, 35}, 0},
                                           {{1920, 1080}, {24, 35}, 10}, {{0, 0}, {0, 0}, 20}}) {
        pointer.position = {960, 1079};
        pointer.screen = screen;
        watch.Timer1_Timer();
        EXPECT_EQ(std::pair(watch.findChild<QWidget *>("picMouse")->pos(), watch.IdleCounter()),
                  std::pair(at, idle));
    }
}
