// One case per flow a person goes through, on the real program.
#include "Session.h"

#include <ctime>

namespace zk::e2e {
namespace {

using test::DateTime;

// Where the controls are, in window coordinates (no window manager, so no frames).
constexpr int kUserX = 84; // frmStart: user buttons from (8, 16), one per 48 pixels
constexpr int kUserY(int n) { return 32 + (n - 1) * 48; }
constexpr int kStopX = 316; // Form1: btnEindigComputeren below the 18-pixel menu bar
constexpr int kStopY = 42;
constexpr int kMenuX = 20; // the menu bar's first menu
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

class Flows : public ::testing::Test
{
protected:
    void SetUp() override
    {
        if (!Session::Possible())
            GTEST_SKIP() << "needs an X display (xvfb-run), xdotool, trayer and import";
    }
    // The screen as the case leaves it.
    void TearDown() override
    {
        s.Shot(::testing::UnitTest::GetInstance()->current_test_info()->name());
    }
    // Clicks the first user's button; the start window closes and the log grows to `records`.
    void StartStretch(Window start, std::size_t records)
    {
        s.Click(start, kUserX, kUserY(1));
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
    // Opens the first menu of the menu bar and presses keys there.
    void Menu(Window main, std::vector<std::string> keys)
    {
        s.Click(main, kMenuX, kMenuY);
        keys.insert(keys.begin(), {"key", "--delay", "30"});
        s.Xdotool(keys);
    }
    Session s;
};

TEST_F(Flows, FirstStartAsksWhoStartsInEnglishAndRegistersTheAutostart)
{
    ASSERT_NE(s.StartToStartWindow(), 0u);
    ASSERT_TRUE(Session::WaitFor("the stored option", [&] {
        return s.Ini().find("AutoStartOnSetup=True") != std::string::npos;
    }));
    EXPECT_NE(test::ReadFileBytes(s.ConfigFile("autostart/zitklok.desktop"))
                  .find("Exec=" + s.Program() + "\n"),
              std::string::npos);
    EXPECT_TRUE(std::filesystem::exists(s.LogPath()));
    EXPECT_TRUE(s.Windows(kMainTitle).empty()); // hidden until the tray icon is clicked
    EXPECT_NE(OpenMainWindow(), 0u);
}

TEST_F(Flows, StretchStartedByAClickAndStoppedWithATypedDescription)
{
    s.WriteSettings(kUsers);
    const Window start = s.StartToStartWindow();
    ASSERT_NE(start, 0u);
    const std::time_t clicked = std::time(nullptr);
    StartStretch(start, 1);
    const Window main = OpenMainWindow();
    ASSERT_NE(main, 0u);
    s.Click(main, kStopX, kStopY);
    const Window box = s.WaitForWindow("^Quitting with the computeren$");
    ASSERT_NE(box, 0u);
    // The box offers the user's name; the person adds to it.
    s.Type(box, {"key", "End", "type", "--delay", "30", " homework"});
    s.Xdotool({"key", "Return"});
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
    ::setenv("ZITKLOK_TEST_IDLE_LIMITS", "1,4", 1);
    const Window start = s.StartToStartWindow();
    ASSERT_NE(start, 0u);
    StartStretch(start, 1);
    std::time_t lastMove = 0; // a person at work: the pointer moves for three seconds, then rests
    for (int i = 0; i < 15; ++i) {
        s.Xdotool({"mousemove", std::to_string(300 + 17 * i), std::to_string(400 - 11 * i)});
        lastMove = std::time(nullptr);
        std::this_thread::sleep_for(200ms);
    }
    ASSERT_EQ(s.Records().size(), 1u) << "stopped while the pointer moved";
    ASSERT_TRUE(Session::WaitFor("the idle record", [&] { return s.Records().size() == 2; }, 30s));
    EXPECT_NE(s.WaitForWindow(kStartTitle), 0u);
    const auto r = s.Records();
    EXPECT_EQ(r[0].description + "," + r[1].description, "Anna,Idle");
    // The stretch ends at the look that last saw movement; idle runs from there to the stop.
    EXPECT_EQ(r[0].end, r[1].start);
    EXPECT_GE(Seconds(r[0].end), lastMove);
    EXPECT_LE(Seconds(r[0].end), lastMove + 2);
    EXPECT_GE(Seconds(r[1].end) - Seconds(r[1].start), 4);
    EXPECT_LE(Seconds(r[1].end) - Seconds(r[1].start), 8);
}

TEST_F(Flows, SecondStartBringsTheFirstForwardAndEnds)
{
    ASSERT_NE(s.StartToStartWindow(), 0u);
    EXPECT_EQ(s.WaitForExit(s.Start()), 0);
    EXPECT_NE(s.WaitForWindow(kMainTitle), 0u);
    EXPECT_EQ(s.Log(), "");
}

TEST_F(Flows, LanguageSwitchedToDutchStaysAfterARestart)
{
    const pid_t first = s.Start();
    ASSERT_NE(s.WaitForWindow(kStartTitle), 0u);
    const Window main = OpenMainWindow();
    ASSERT_NE(main, 0u);
    Menu(main, {"Right", "Right", "Right", "Return"}); // mnuLanguage's first item: Dutch
    EXPECT_NE(s.WaitForWindow("^Zitklok versie 3\\.2$"), 0u);
    EXPECT_NE(s.WaitForWindow("^Wie gaat bezig\\?$"), 0u); // the open start window follows
    Menu(main, {"Down", "Return"}); // mnuFile, mnuExit
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
    StartStretch(start, 3);
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
    ASSERT_NE(s.StartToStartWindow(), 0u); // the next start runs no stretch and changes nothing
    EXPECT_EQ(s.Log(), afterKill);
}

// The count rounds a partial record half to even; the new stretch is the record after it, and
// the rest of the file stays as it was.
TEST_F(Flows, DamagedLogsOpenAndChangeOnlyWhereTheNewStretchGoes)
{
    std::string garbage;
    for (std::uint32_t i = 0, seed = 148; i < 400; ++i)
        garbage.push_back(static_cast<char>((seed = seed * 1103515245u + 12345u) >> 16));
    const std::string two = Stretch(4, "Anna") + Stretch(5, "Bob");
    for (const auto &[bytes, newAt] : {std::pair{two + std::string(70, '\x11'), 2u},
                                       {two + std::string(100, '\x22'), 3u}, {garbage, 3u}}) {
        SCOPED_TRACE(bytes.size());
        Session s;
        s.WriteSettings(kUsers);
        test::WriteFileBytes(s.LogPath(), bytes);
        const Window start = s.StartToStartWindow();
        ASSERT_NE(start, 0u);
        EXPECT_EQ(s.Log(), bytes) << "opening changed the log";
        s.Click(start, kUserX, kUserY(1));
        const std::size_t at = newAt * 148;
        ASSERT_TRUE(Session::WaitFor("the new record", [&] { return s.Log().size() >= at + 148; }));
        s.ClickTrayIcon();
        EXPECT_NE(s.WaitForWindow(kMainTitle), 0u); // the list shows what it can read
        const std::string after = s.Log();
        EXPECT_EQ(after.substr(0, std::min(at, bytes.size())), bytes.substr(0, at));
        EXPECT_EQ(after.substr(std::min(at + 148, after.size())),
                  bytes.substr(std::min(at + 148, bytes.size())));
        EXPECT_EQ(after.substr(at + 48, 100), test::Stored("Anna"));
    }
}

} // namespace
} // namespace zk::e2e
