#include "platform/IdleTimeActivity.h"
#include "platform/IdleTimeSource.h"
#include "tracking/ClockSeconds.h"
#include "tracking/MouseIdleCounter.h"

#include <gtest/gtest.h>

using Events = std::vector<std::string>;

// Each look: pointer x, the clock in seconds, and what the watch tells.
TEST(MouseIdleCounter, CountsStillLooksAndRestartsOnAnyMovement)
{
    MouseIdleCounter c;
    c.ScanRateInSeconds(10);
    Events events;
    auto idle = c.Idle.Connect([&](std::int32_t &n) { events.push_back(std::to_string(n)); });
    auto reset = c.ResetIdle.Connect([&] { events.push_back("reset"); });
    const std::tuple<int, long long, Events> looks[] = {
        {0, 1010, {"10"}},                            // the first look compares with (0, 0)
        {1, 1020, {"reset", "0"}},                    // one pixel is movement
        {1, 1030, {"10"}},                            //
        {1, 1630, {"20"}},                            // 600 seconds late: an ordinary look
        {9, 1630 + 8 * 3600, {"28820", "reset", "0"}}, // later: the gap is stillness first
        {9, 0, {"10"}},                               // a clock set back is no gap
    };
    for (const auto &[x, seconds, told] : looks) {
        events.clear();
        c.Look({x, 0}, seconds);
        EXPECT_EQ(events, told) << seconds;
    }
    c.LateLookSeconds(5); // the counter stops at the top of 32 bits
    c.Look({9, 0}, 4'000'000'000LL);
    c.Look({9, 0}, 8'000'000'000LL);
    EXPECT_EQ(c.IdleCounter(), 2147483647);
}

namespace {
class FakeIdleTime : public zk::IdleTimeSource
{
public:
    std::optional<std::uint64_t> IdleMilliseconds() override { return answer; }
    std::optional<std::uint64_t> answer;
};
} // namespace

// Input since the last look moves the position; the second source answers when the first
// cannot, and with neither the activity cannot be seen.
TEST(IdleTimeActivity, InputSinceTheLastLookMovesThePosition)
{
    const std::tuple<std::optional<std::uint64_t>, std::optional<std::uint64_t>, bool, bool>
        looks[] = {{5000, {}, false, true},  {25000, {}, false, true}, {3000, {}, true, true},
                   {9999, {}, true, true},   {10000, {}, false, true}, {{}, 0, true, true},
                   {{}, 10000, false, true}, {{}, {}, false, false}};
    FakeIdleTime first, second;
    zk::IdleTimeActivity a({&first, &second}, 0);
    zk::PointerPosition last = a.Look(0, {1920, 1080});
    long long at = 0;
    for (const auto &[one, two, moved, canSee] : looks) {
        first.answer = one;
        second.answer = two;
        const zk::PointerPosition now = a.Look(at += 10000, {1920, 1080});
        EXPECT_EQ(now != last, moved) << at;
        EXPECT_EQ(a.CanSeeActivity(), canSee) << at;
        last = now;
    }
}

TEST(ClockSeconds, CountsSecondsOfTheRealCalendarWithMonthsCarried)
{
    const std::pair<std::array<std::int64_t, 6>, std::int64_t> rows[] = {
        {{1970, 1, 1, 0, 0, 0}, 0},           {{1969, 12, 31, 23, 59, 59}, -1},
        {{-1, 1, 1, 0, 0, 0}, -62198755200},  // proleptic, before the year 0
        {{2026, 12, 6, 9, 0, 0}, 1796547600}, {{2024, 3, 1, 0, 0, 0}, 1709251200},
        {{2000, 2, 29, 23, 59, 59}, 951868799}, {{2023, 15, 1, 0, 0, 0}, 1709251200},
        {{2025, -9, 1, 0, 0, 0}, 1709251200}, {{2024, 2, 30, 0, 0, 0}, 1709251200},
    };
    for (const auto &[t, seconds] : rows)
        EXPECT_EQ(ClockSeconds(t[0], t[1], t[2], t[3], t[4], t[5]), seconds) << t[0] << "-" << t[1];
}
