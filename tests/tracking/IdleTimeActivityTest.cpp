#include "platform/IdleTimeActivity.h"
#include "platform/IdleTimeSource.h"

#include <gtest/gtest.h>

namespace {

class FakeIdleTime : public zk::IdleTimeSource
{
public:
    std::optional<std::uint64_t> IdleMilliseconds() override
    {
        ++asked;
        return answer;
    }
    std::optional<std::uint64_t> answer;
    int asked = 0;
};

} // namespace

TEST(IdleTimeActivity, InputSinceTheLastLookChangesThePosition)
{
    FakeIdleTime mutter, screenSaver;
    mutter.answer = 5000;
    zk::IdleTimeActivity a({&mutter, &screenSaver}, 0);
    EXPECT_TRUE(a.CanSeeActivity());
    const zk::ScreenSize screen{1920, 1080};
    const zk::PointerPosition first = a.Look(10000, screen);
    mutter.answer = 15000 + 20000; // no input: idle grew with the time
    EXPECT_EQ(a.Look(30000, screen), first);
    mutter.answer = 3000; // input 3 s ago
    const zk::PointerPosition moved = a.Look(40000, screen);
    EXPECT_NE(moved, first);
    mutter.answer = 9000; // input right after the previous look, idle since
    EXPECT_NE(a.Look(50000, screen), moved);
    EXPECT_EQ(screenSaver.asked, 0);
}

TEST(IdleTimeActivity, FallsBackToTheSecondSourceAndReportsWhenNoneAnswers)
{
    FakeIdleTime mutter, screenSaver;
    {
        zk::IdleTimeActivity none({&mutter, &screenSaver}, 0);
        EXPECT_FALSE(none.CanSeeActivity());
        const zk::PointerPosition p = none.Look(10000, {800, 600});
        EXPECT_EQ(none.Look(20000, {800, 600}), p);
        EXPECT_FALSE(none.CanSeeActivity());
    }
    screenSaver.answer = 0;
    zk::IdleTimeActivity a({&mutter, &screenSaver}, 0);
    EXPECT_TRUE(a.CanSeeActivity());
    const zk::PointerPosition p = a.Look(10000, {800, 600});
    EXPECT_NE(a.Look(20000, {800, 600}), p); // idle 0 after 10 s: input
    screenSaver.answer.reset();
    a.Look(30000, {800, 600});
    EXPECT_FALSE(a.CanSeeActivity());
}
