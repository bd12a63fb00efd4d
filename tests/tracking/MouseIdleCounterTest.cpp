#include "tracking/MouseIdleCounter.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using Events = std::vector<std::string>;

// Each look: pointer x (y stays), the clock in seconds, and what the watch tells.
TEST(MouseIdleCounter, CountsStillLooksAndRestartsOnAnyMovement)
{
    MouseIdleCounter c;
    EXPECT_EQ(c.ScanRateInSeconds(), 1);
    c.ScanRateInSeconds(10);
    Events events;
    auto idle = c.Idle.Connect([&](std::int32_t &n) { events.push_back(std::to_string(n)); });
    auto reset = c.ResetIdle.Connect([&] { events.push_back("reset"); });
    const struct
    {
        int x;
        long long seconds;
        Events told;
    } looks[] = {
        {0, 1010, {"10"}},                  // the first look compares with (0, 0)
        {1, 1020, {"reset", "0"}},          // one pixel is movement
        {1, 1030, {"10"}},
        {1, 1630, {"20"}},                  // 600 seconds late: an ordinary look
        {9, 1630 + 8 * 3600, {"28820", "reset", "0"}}, // later: the gap is stillness first
        {9, 1630 + 9 * 3600, {"3600"}},
        {9, 0, {"3610"}},                   // a clock set back is no gap
    };
    for (const auto &look : looks) {
        events.clear();
        c.Look({look.x, 0}, look.seconds);
        EXPECT_EQ(events, look.told) << look.seconds;
    }
    c.Reset();
    EXPECT_EQ(c.IdleCounter(), 0);
    EXPECT_EQ(c.LastPosition(), (zk::PointerPosition{9, 0}));
    c.LateLookSeconds(5); // the counter stops at the top of 32 bits
    c.Look({9, 0}, 4'000'000'000LL);
    c.Look({9, 0}, 8'000'000'000LL);
    EXPECT_EQ(c.IdleCounter(), 2147483647);
}
