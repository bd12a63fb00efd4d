// One case per flow a person goes through, on the real program.
#include "Session.h"

#include <gtest/gtest.h>

#include <csignal>
#include <ctime>
#include <thread>

namespace zk::e2e {
namespace {

using test::DateTime;

// Where the controls are, in window coordinates (no window manager, so no frames).
constexpr int kUserX = 84;          // frmStart: user buttons from (8, 16), one per 48 pixels
constexpr int kUserY(int n) { return 32 + (n - 1) * 48; }
constexpr int kStopX = 316;         // Form1: btnEindigComputeren below the 18-pixel menu bar
constexpr int kStopY = 42;
constexpr int kMenuX = 20;          // the menu bar's first menu
constexpr int kMenuY = 9;
const std::string kUsers = "[Edit]\nUsers=Anna|Bob\n";

std::time_t Seconds(const DateTime &t) // the program writes local time; TZ is UTC here
{
    std::tm tm{t[5], t[4], t[3], t[2], t[1] - 1, t[0] - 1900, 0, 0, 0, 0, nullptr};
    return timegm(&tm);
}

std::string Stretch(int day, const std::string &who)
{
    return test::Bytes({{{2024, 3, day, 9, 0, 0}, {2024, 3, day, 10, 30, 0}, who}});
}

// Opens the menu bar's menu number `menu` and picks its item number `item` with the keyboard:
// a menu reached with Right has its first item active already.
void PickMenuItem(Session &s, Window main, int menu, int item)
{
    s.Click(main, kMenuX, kMenuY);
    for (int i = 0; i < menu; ++i)
        s.Keys({"Right"});
    for (int i = menu == 0 ? 0 : 1; i <= item; ++i)
        s.Keys({"Down"});
    s.Keys({"Return"});
}

class Flows : public ::testing::Test
{
protected:
    void SetUp() override
    {
        if (const std::string why = Session::WhyNotPossible(); !why.empty())
            GTEST_SKIP() << why;
    }
    // The screen as the case leaves it.
    void TearDown() override
    {
        s.Shot(::testing::UnitTest::GetInstance()->current_test_info()->name());
    }
    // Clicks a user's button; the start window closes and the log grows to `records`.
    void StartStretch(Window start, int user, std::size_t records)
    {
        s.Click(start, kUserX, kUserY(user));
        ASSERT_TRUE(s.WaitForNoWindow(kStartTitle));
        ASSERT_TRUE(Session::WaitFor("the new record", [&] {
            return s.Log().size() == records * 148;
        }));
    }
    Window OpenMainWindow()
    {
        s.ClickTrayIcon();
        return s.WaitForWindow(kMainTitle);
    }
    Session s;
};

TEST_F(Flows, FirstStartAsksWhoStartsInEnglishAndRegistersTheAutostart)
{
    ASSERT_NE(s.StartToStartWindow(), 0u);
    ASSERT_TRUE(Session::WaitFor(
        "the stored option", [&] { return s.Setting("Options", "AutoStartOnSetup") == "True"; }));
    EXPECT_NE(test::ReadFileBytes(s.ConfigFile("autostart/zitklok.desktop"))
                  .find("Exec=" + s.Program() + "\n"),
              std::string::npos);
    EXPECT_TRUE(std::filesystem::exists(s.LogPath()));
    // The main window stays hidden until the tray icon is clicked.
    EXPECT_TRUE(s.Windows(kMainTitle).empty());
    EXPECT_NE(OpenMainWindow(), 0u);
}

TEST_F(Flows, StretchStartedByAClickAndStoppedWithATypedDescription)
{
    s.WriteSettings(kUsers);
    const Window start = s.StartToStartWindow();
    ASSERT_NE(start, 0u);
    const std::time_t clicked = std::time(nullptr);
    StartStretch(start, 1, 1);
    const Window main = OpenMainWindow();
    ASSERT_NE(main, 0u);
    s.Click(main, kStopX, kStopY);
    const Window box = s.WaitForWindow("^Quitting with the computeren$");
    ASSERT_NE(box, 0u);
    // The box offers the user's name; the person adds to it.
    s.Type(box, "", {"End"});
    s.Type(box, " homework");
    s.Keys({"Return"});
    ASSERT_TRUE(Session::WaitFor("the description written", [&] {
        return s.Records().size() == 1 && s.Records()[0].description == "Anna homework";
    }));
    const auto r = s.Records()[0];
    EXPECT_LE(std::abs(Seconds(r.start) - clicked), 120);
    EXPECT_GE(Seconds(r.end), Seconds(r.start));
    EXPECT_LE(Seconds(r.end), std::time(nullptr));
}

TEST_F(Flows, StillPointerStopsTheStretchAtTheLastMovementAndLogsTheIdleTime)
{
    if (!ZITKLOK_E2E_HOOKS)
        GTEST_SKIP() << "built without ZITKLOK_TEST_HOOKS: the idle limit is ten minutes";
    s.WriteSettings("[Edit]\nUsers=Anna\n");
    const Window start = s.StartToStartWindow({"ZITKLOK_TEST_IDLE_LIMITS=1,4"});
    ASSERT_NE(start, 0u);
    StartStretch(start, 1, 1);
    // A person at work: the pointer moves for three seconds, then rests.
    std::time_t lastMove = 0;
    for (int i = 0; i < 15; ++i) {
        s.MovePointer(300 + 17 * i, 400 - 11 * i);
        lastMove = std::time(nullptr);
        std::this_thread::sleep_for(200ms);
    }
    ASSERT_EQ(s.Records().size(), 1u) << "stopped while the pointer moved";
    ASSERT_TRUE(Session::WaitFor("the idle record", [&] { return s.Records().size() == 2; }, 30s));
    EXPECT_NE(s.WaitForWindow(kStartTitle), 0u);
    const auto records = s.Records();
    EXPECT_EQ(records[0].description, "Anna");
    EXPECT_EQ(records[1].description, "Idle");
    // The stretch ends at the look that last saw movement; idle runs from there to the stop.
    EXPECT_EQ(records[0].end, records[1].start);
    EXPECT_GE(Seconds(records[0].end), lastMove);
    EXPECT_LE(Seconds(records[0].end), lastMove + 2);
    EXPECT_GE(Seconds(records[1].end) - Seconds(records[1].start), 4);
    EXPECT_LE(Seconds(records[1].end) - Seconds(records[1].start), 8);
}

TEST_F(Flows, SecondStartBringsTheFirstForwardAndEnds)
{
    ASSERT_NE(s.StartToStartWindow(), 0u);
    const pid_t second = s.Start();
    EXPECT_EQ(s.WaitForExit(second), 0);
    EXPECT_NE(s.WaitForWindow(kMainTitle), 0u);
    EXPECT_EQ(s.Log(), "");
}

TEST_F(Flows, LanguageSwitchedToDutchStaysAfterARestart)
{
    const pid_t first = s.Start();
    ASSERT_NE(s.WaitForWindow(kStartTitle), 0u);
    const Window main = OpenMainWindow();
    ASSERT_NE(main, 0u);
    PickMenuItem(s, main, 3, 0); // mnuLanguage, mnuLanguageDutch
    EXPECT_NE(s.WaitForWindow("^Zitklok versie 3\\.2$"), 0u);
    EXPECT_NE(s.WaitForWindow("^Wie gaat bezig\\?$"), 0u); // the open start window follows
    PickMenuItem(s, main, 0, 0); // mnuFile, mnuExit
    EXPECT_EQ(s.WaitForExit(first), 0);
    ASSERT_TRUE(s.WaitForNoWindow("^Wie gaat bezig"));
    s.Start();
    EXPECT_NE(s.WaitForWindow("^Wie gaat bezig\\?$"), 0u);
    s.ClickTrayIcon();
    EXPECT_NE(s.WaitForWindow("^Zitklok versie 3\\.2$"), 0u);
}

TEST_F(Flows, KillDuringAStretchKeepsEveryRecordAndTheLastMinuteTick)
{
    s.WriteSettings(kUsers);
    const std::string earlier = Stretch(4, "Anna") + Stretch(5, "Idle");
    test::WriteFileBytes(s.LogPath(), earlier);
    const pid_t first = s.Start();
    const Window start = s.WaitForWindow(kStartTitle);
    ASSERT_NE(start, 0u);
    StartStretch(start, 1, 3);
    const std::time_t begun = Seconds(s.Records().at(2).start);
    ASSERT_TRUE(Session::WaitFor("a minute tick on the running record", [&] {
        return Seconds(s.Records().at(2).end) > begun;
    }, 80s));
    std::this_thread::sleep_for(5s);
    ::kill(first, SIGKILL);
    EXPECT_EQ(s.WaitForExit(first), 128 + SIGKILL);
    const std::time_t killed = std::time(nullptr);
    const std::string afterKill = s.Log();
    ASSERT_EQ(afterKill.size(), 3 * 148u);
    EXPECT_EQ(afterKill.substr(0, earlier.size()), earlier);
    EXPECT_EQ(s.Records()[2].description, "Anna");
    EXPECT_LE(killed - Seconds(s.Records()[2].end), 61) << "the end lags the kill by over a tick";
    // The next start runs no stretch and leaves the log as the kill left it.
    ASSERT_NE(s.StartToStartWindow(), 0u);
    EXPECT_EQ(s.Log(), afterKill);
}

TEST_F(Flows, DamagedLogsOpenAndChangeOnlyWhereTheNewStretchGoes)
{
    std::string garbage;
    for (std::uint32_t i = 0, seed = 148; i < 400; ++i)
        garbage.push_back(static_cast<char>((seed = seed * 1103515245u + 12345u) >> 16));
    const std::string two = Stretch(4, "Anna") + Stretch(5, "Bob");
    // The count rounds a partial record half to even; the new stretch is the record after it.
    const struct
    {
        std::string bytes;
        std::size_t newAt;
    } cases[] = {{two + std::string(70, '\x11'), 2}, {two + std::string(100, '\x22'), 3},
                 {garbage, 3}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.bytes.size());
        Session s;
        s.WriteSettings(kUsers);
        test::WriteFileBytes(s.LogPath(), c.bytes);
        const Window start = s.StartToStartWindow();
        ASSERT_NE(start, 0u);
        EXPECT_EQ(s.Log(), c.bytes) << "opening changed the log";
        s.Click(start, kUserX, kUserY(1));
        const std::size_t at = c.newAt * 148;
        ASSERT_TRUE(Session::WaitFor("the new record", [&] { return s.Log().size() >= at + 148; }));
        s.ClickTrayIcon();
        EXPECT_NE(s.WaitForWindow(kMainTitle), 0u); // the list shows what it can read
        const std::string after = s.Log();
        EXPECT_EQ(after.substr(0, std::min(at, c.bytes.size())), c.bytes.substr(0, at));
        if (c.bytes.size() > at + 148) {
            EXPECT_EQ(after.substr(at + 148), c.bytes.substr(at + 148));
        }
        EXPECT_EQ(after.substr(at + 48, 100), test::Stored("Anna"));
    }
}

} // namespace
} // namespace zk::e2e
