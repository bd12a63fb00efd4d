#include "tracking/MouseIdleCounter.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct Recorder
{
    explicit Recorder(MouseIdleCounter &c)
    {
        idle = c.Idle.Connect([this](std::int32_t &n) { events.push_back("Idle " + std::to_string(n)); });
        reset = c.ResetIdle.Connect([this] { events.push_back("ResetIdle"); });
    }
    std::vector<std::string> Take()
    {
        auto e = events;
        events.clear();
        return e;
    }
    std::vector<std::string> events;
    zk::Signal<std::int32_t &>::Connection idle;
    zk::Signal<>::Connection reset;
};

using Events = std::vector<std::string>;

} // namespace

TEST(MouseIdleCounter, CountsStillLooksAndRestartsOnAnyMovement)
{
    MouseIdleCounter c;
    EXPECT_EQ(c.ScanRateInSeconds(), 1);
    c.ScanRateInSeconds(10);
    Recorder r(c);
    std::int64_t t = 1000;
    // The first look compares with (0, 0): a pointer in the corner is still.
    c.Look({0, 0}, t += 10);
    EXPECT_EQ(r.Take(), (Events{"Idle 10"}));
    c.Look({1, 0}, t += 10); // one pixel is movement
    EXPECT_EQ(r.Take(), (Events{"ResetIdle", "Idle 0"}));
    c.Look({1, 0}, t += 10);
    c.Look({1, 0}, t += 10);
    EXPECT_EQ(r.Take(), (Events{"Idle 10", "Idle 20"}));
    // Moved away and back between two looks counts as still.
    c.Look({1, 0}, t += 10);
    EXPECT_EQ(c.IdleCounter(), 30);
    c.Reset();
    EXPECT_EQ(r.Take(), (Events{"Idle 30"}));
    EXPECT_EQ(c.LastPosition(), (zk::PointerPosition{1, 0}));
    c.Look({1, 0}, t += 10);
    EXPECT_EQ(r.Take(), (Events{"Idle 10"}));
}

TEST(MouseIdleCounter, ALateLookCountsTheGapAsStillnessBeforeAnyMovement)
{
    MouseIdleCounter c;
    c.ScanRateInSeconds(10);
    Recorder r(c);
    c.Look({5, 5}, 100);
    c.Look({5, 5}, 110);
    r.Take();
    c.Look({5, 5}, 110 + 600); // exactly the limit: an ordinary look
    EXPECT_EQ(r.Take(), (Events{"Idle 20"}));
    c.Look({9, 9}, 710 + 8 * 3600);
    EXPECT_EQ(r.Take(), (Events{"Idle " + std::to_string(20 + 8 * 3600), "ResetIdle", "Idle 0"}));
    c.Look({9, 9}, 710 + 9 * 3600);
    EXPECT_EQ(r.Take(), (Events{"Idle 3600"}));
    // A clock set back is no gap.
    c.Look({9, 9}, 0);
    EXPECT_EQ(r.Take(), (Events{"Idle 3610"}));
    // The counter stops at the top of 32 bits.
    c.LateLookSeconds(5);
    c.Look({9, 9}, 4'000'000'000LL);
    c.Look({9, 9}, 8'000'000'000LL);
    EXPECT_EQ(c.IdleCounter(), 2147483647);
}
