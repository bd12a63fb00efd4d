// One case per flow a person goes through, on the real program.
#include "Session.h"

#include <gmock/gmock.h>

#include <ctime>

namespace zk::e2e {
namespace {

const std::string kUsers = "[Edit]\nUsers=Anna|Bob\n";

std::time_t Seconds(const test::DateTime &t) // the program writes local time; TZ is UTC here
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
    // Clicks the first user's button (at 8, 16 in frmStart, which has no frame without a window
    // manager); the start window closes and the log grows to `bytes`.
    void StartStretch(Window start, std::size_t bytes)
    {
        s.Click(start, 84, 32);
        Session::WaitFor("no start window", [&] { return s.Windows(kStartTitle).empty(); });
        Session::WaitFor("the new record", [&] { return s.Log().size() >= bytes; });
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
    s.StartToStartWindow();
    Session::WaitFor("the stored option", [&] {
        return test::ReadFileBytes(s.ConfigFile("Sitclock/Sitclock.ini"))
                   .find("AutoStartOnSetup=True") != std::string::npos;
    });
    EXPECT_THAT(test::ReadFileBytes(s.ConfigFile("autostart/zitklok.desktop")),
                ::testing::HasSubstr("Exec=" + s.Program() + "\n"));
    EXPECT_TRUE(std::filesystem::exists(s.LogPath()));
    EXPECT_TRUE(s.Windows(kMainTitle).empty()); // hidden until the tray icon is clicked
    OpenMainWindow();
}

TEST_F(Flows, StretchStartedByAClickAndStoppedWithATypedDescription)
{
    s.WriteSettings(kUsers);
    const Window start = s.StartToStartWindow();
    const std::time_t clicked = std::time(nullptr);
    StartStretch(start, 148);
    s.Click(OpenMainWindow(), 316, 42); // btnEindigComputeren, below the 18-pixel menu bar
    // The box offers the user's name; the person adds to it once the box has the focus.
    s.Xdotool({"windowfocus", "--sync", std::to_string(s.WaitForWindow("^Quitting with the"))});
    s.Xdotool({"key", "End", "type", "--delay", "30", " homework"});
    s.Xdotool({"key", "Return"});
    Session::WaitFor("the description written", [&] {
        return s.Records().size() == 1 && s.Records()[0].description == "Anna homework";
    });
    const auto r = s.Records()[0];
    EXPECT_LE(std::abs(Seconds(r.start) - clicked), 120);
    EXPECT_GE(Seconds(r.end), Seconds(r.start));
}

TEST_F(Flows, StillPointerStopsTheStretchAtTheLastMovementAndLogsTheIdleTime)
{
    if (!ZITKLOK_E2E_HOOKS)
        GTEST_SKIP() << "built without ZITKLOK_TEST_HOOKS: the idle limit is ten minutes";
    s.WriteSettings("[Edit]\nUsers=Anna\n");
    ::setenv("ZITKLOK_TEST_IDLE_LIMITS", "1,4", 1);
    StartStretch(s.StartToStartWindow(), 148);
    std::time_t lastMove = 0; // a person at work: the pointer moves for three seconds, then rests
    for (int i = 0; i < 15; ++i) {
        s.Xdotool({"mousemove", std::to_string(300 + 17 * i), std::to_string(400 - 11 * i)});
        lastMove = std::time(nullptr);
        std::this_thread::sleep_for(200ms);
    }
    ASSERT_EQ(s.Records().size(), 1u) << "stopped while the pointer moved";
    Session::WaitFor("the idle record", [&] { return s.Records().size() == 2; }, 30s);
    s.WaitForWindow(kStartTitle);
    const auto r = s.Records();
    EXPECT_EQ(r[0].description + "," + r[1].description, "Anna,Idle");
    // The stretch ends at the look that last saw movement; idle runs from there to the stop.
    EXPECT_EQ(r[0].end, r[1].start);
    EXPECT_LE(std::abs(Seconds(r[0].end) - lastMove - 1), 1);
    EXPECT_LE(std::abs(Seconds(r[1].end) - Seconds(r[1].start) - 6), 2);
}

TEST_F(Flows, SecondStartBringsTheFirstForwardAndEnds)
{
    s.StartToStartWindow();
    EXPECT_EQ(s.WaitForExit(s.Start()), 0);
    s.WaitForWindow(kMainTitle);
    EXPECT_EQ(s.Log(), "");
}

TEST_F(Flows, LanguageSwitchedToDutchStaysAfterARestart)
{
    const pid_t first = s.Start();
    s.WaitForWindow(kStartTitle);
    const Window main = OpenMainWindow();
    s.Click(main, 20, 9); // the menu bar's first menu, then mnuLanguage's first item: Dutch
    s.Xdotool({"key", "--delay", "30", "Right", "Right", "Right", "Return"});
    s.WaitForWindow("^Zitklok versie " + kVersionPattern + "$");
    s.WaitForWindow("^Wie gaat bezig\\?$"); // the open start window follows
    s.Click(main, 20, 9); // mnuFile, mnuExit
    s.Xdotool({"key", "--delay", "30", "Down", "Return"});
    EXPECT_EQ(s.WaitForExit(first), 0);
    Session::WaitFor("the Dutch start window gone", [&] { return s.Windows("^Wie ").empty(); });
    s.Start();
    s.WaitForWindow("^Wie gaat bezig\\?$");
}

TEST_F(Flows, KillDuringAStretchKeepsEveryRecordAndTheLastMinuteTick)
{
    s.WriteSettings(kUsers);
    const std::string earlier = Stretch(4, "Anna") + Stretch(5, "Idle");
    test::WriteFileBytes(s.LogPath(), earlier);
    const pid_t first = s.Start();
    StartStretch(s.WaitForWindow(kStartTitle), 3 * 148);
    const std::time_t begun = Seconds(s.Records().at(2).start);
    Session::WaitFor("a minute tick on the running record",
                     [&] { return Seconds(s.Records().at(2).end) > begun; }, 80s);
    std::this_thread::sleep_for(5s);
    ::kill(first, SIGKILL);
    EXPECT_EQ(s.WaitForExit(first), 128 + SIGKILL);
    const std::string afterKill = s.Log();
    ASSERT_EQ(afterKill.size(), 3 * 148u);
    EXPECT_EQ(afterKill.substr(0, earlier.size()), earlier);
    EXPECT_LE(std::time(nullptr) - Seconds(s.Records()[2].end), 61) << "the end lags the kill";
    s.StartToStartWindow(); // the next start runs no stretch and changes nothing
    EXPECT_EQ(s.Log(), afterKill);
}

} // namespace
} // namespace zk::e2e
