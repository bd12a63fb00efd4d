#include "support/FakeClock.h"
#include "support/FakePointer.h"
#include "tracking/UCMouseWatch.h"

#include <QTimer>

#include <gtest/gtest.h>

// The timer follows the scan rate (0 stops it); each look places the dot where the pointer is
// on the screen (without a screen size, in the corner) and counts stillness.
TEST(UCMouseWatch, TheTimerFollowsTheScanRateAndALookMirrorsThePointer)
{
    zk::test::FakeClock clock;
    zk::test::FakePointer pointer;
    UCMouseWatch watch(pointer);
    auto *timer = watch.findChild<QTimer *>("Timer1");
    watch.ScanRateInSeconds(0);
    EXPECT_FALSE(timer->isActive());
    watch.ScanRateInSeconds(10);
    EXPECT_EQ(std::pair(timer->interval(), timer->isActive()), std::pair(10000, true));
    watch.resize(48, 36);
    const std::tuple<zk::PointerPosition, zk::ScreenSize, QPoint, std::int32_t> looks[] = {
        {{960, 1079}, {1920, 1080}, {24, 35}, 0}, {{960, 1079}, {1920, 1080}, {24, 35}, 10},
        {{5, 5}, {0, 0}, {0, 0}, 0}};
    for (const auto &[position, screen, at, idle] : looks) {
        pointer.position = position;
        pointer.screen = screen;
        watch.Timer1_Timer();
        EXPECT_EQ(std::pair(watch.findChild<QWidget *>("picMouse")->pos(), watch.IdleCounter()),
                  std::pair(at, idle));
    }
}
