#include "platform/IdleTimeActivity.h"
#include "platform/IdleTimeSource.h"

#include <gtest/gtest.h>

namespace {

class FakeIdleTime : public zk::IdleTimeSource
{
public:
    std::optional<std::uint64_t> IdleMilliseconds() override { return ++asked, answer; }
    std::optional<std::uint64_t> answer;
    int asked = 0;
};

// Input since the last look moves the position; the second source answers when the first
// cannot, and with neither the activity cannot be seen.
TEST(IdleTimeActivity, InputSinceTheLastLookMovesThePosition)
{
    const struct
    {
        std::optional<std::uint64_t> first, second;
        long long at;
        bool moved, canSee;
    } looks[] = {
        {5000, {}, 10000, false, true},  {35000, {}, 30000, false, true}, // idle grew with time
        {3000, {}, 40000, true, true},   {9999, {}, 50000, true, true},   // input 3 s ago; 1 ms
        {10000, {}, 60000, false, true}, {{}, 0, 70000, true, true},      // exactly the gap
        {{}, 10000, 80000, false, true}, {{}, {}, 90000, false, false},
    };
    FakeIdleTime first, second;
    zk::IdleTimeActivity a({&first, &second}, 0);
    zk::PointerPosition last = a.Look(0, {1920, 1080});
    for (const auto &look : looks) {
        SCOPED_TRACE(look.at);
        first.answer = look.first;
        second.answer = look.second;
        const zk::PointerPosition now = a.Look(look.at, {1920, 1080});
        EXPECT_EQ(now != last, look.moved);
        EXPECT_EQ(a.CanSeeActivity(), look.canSee);
        last = now;
    }
}

} // namespace
