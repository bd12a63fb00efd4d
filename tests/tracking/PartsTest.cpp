#include "StretchFixture.h"

#include "platform/IdleTimeActivity.h"
#include "platform/IdleTimeSource.h"

// Seconds each clock ran: a drift beyond 2 s is a set clock, a gap beyond 600 s a sleep.
TEST(ClockJumpWatch, TellsASleepFromAWallClockThatWasSet)
{
    const std::tuple<std::int64_t, std::int64_t, bool, std::int64_t> rows[] = {
        {10, 12, false, 0}, {10, 13, false, 3}, {10, 7, false, -3}, {10, 8, false, 0},
        {600, 600, false, 0}, {601, 601 + 3600, true, 0}};
    for (const auto &[steady, local, slept, shift] : rows) {
        ClockJumpWatch watch;
        EXPECT_FALSE(watch.Observe({5000, 90000}).slept);
        const ClockJumpWatch::Step step = watch.Observe({5000 + steady, 90000 + local});
        EXPECT_EQ(std::tuple(step.elapsed, step.slept, step.shift, step.localBefore),
                  std::tuple(steady, slept, shift, 90000)) << local;
    }
}

struct FakeIdleTime : zk::IdleTimeSource
{
    std::optional<std::uint64_t> IdleMilliseconds() override { return answer; }
    std::optional<std::uint64_t> answer = 0;
};

// Input since the last look (10 s before) moves the position; sources answer in turn, or none.
TEST(IdleTimeActivity, InputSinceTheLastLookMovesThePosition)
{
    using Idle = std::optional<std::uint64_t>;
    const std::tuple<Idle, Idle, bool, bool> looks[] = {
        {25000, {}, false, true}, {9999, {}, true, true}, {10000, {}, false, true},
        {{}, 0, true, true},      {{}, {}, false, false}, {0, {}, false, true}};
    FakeIdleTime first, second;
    zk::IdleTimeActivity a({&first, &second}, 0);
    zk::PointerPosition last{960, 540};
    for (long long at = 10000; const auto &[one, two, moved, canSee] : looks) {
        first.answer = one;
        second.answer = two;
        const zk::PointerPosition now = a.Look(at += 10000, {1920, 1080});
        EXPECT_EQ(std::pair(now != last, a.CanSeeActivity()), std::pair(moved, canSee)) << at;
        last = now;
    }
}
