#include "tracking/ClockJumpWatch.h"

#include <gtest/gtest.h>

TEST(ClockJumpWatch, TellsASleepFromAWallClockThatWasSet)
{
    struct Row
    {
        const char *what;
        std::int64_t steady, local; // how far each clock ran since the previous reading
        bool slept;
        std::int64_t shift;
    };
    const Row rows[] = {
        {"a look", 10, 10, false, 0},
        {"whole seconds of each clock", 10, 12, false, 0},
        {"a small correction", 10, 13, false, 3},
        {"summer time forward", 10, 3610, false, 3600},
        {"summer time back", 10, -3590, false, -3600},
        {"a pause at the idle limit", 600, 600, false, 0},
        {"asleep", 601, 601, true, 0},
        {"asleep over a change of summer time", 8 * 3600, 9 * 3600, true, 0},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.what);
        ClockJumpWatch watch;
        EXPECT_FALSE(watch.Observe({5000, 90000}).slept);
        const ClockJumpWatch::Step step = watch.Observe({5000 + row.steady, 90000 + row.local});
        EXPECT_EQ(step.elapsed, row.steady);
        EXPECT_EQ(step.slept, row.slept);
        EXPECT_EQ(step.shift, row.shift);
        EXPECT_EQ(step.localBefore, 90000);
    }
}
