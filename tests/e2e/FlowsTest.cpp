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
    // manager); the start window closes and the log grows to `bytes`. Into a damaged log the
    // person is first told where its copy is.
    void StartStretch(Window start, std::size_t bytes, bool damaged = false)
    {
        s.Click(start, 84, 32);
        if (damaged) {
            s.Xdotool({"windowfocus", "--sync", std::to_string(s.WaitForWindow("^Sitclock$"))});
            s.Xdotool({"key", "Return"});
        }
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

// The count rounds a partial record half to even; the new stretch is the record after it, and
// the rest of the file stays as it was.
TEST_F(Flows, DamagedLogsOpenAndChangeOnlyWhereTheNewStretchGoes)
{
    std::string garbage;
    for (std::uint32_t i = 0, seed = 148; i < 400; ++i)
        garbage.push_back(static_cast<char>((seed = seed * 1103515245u + 12345u) >> 16));
    const std::string two = Stretch(4, "Anna") + Stretch(5, "Bob");
    s.WriteSettings(kUsers);
    for (const auto &[bytes, newAt] : {std::pair{two + std::string(70, '\x11'), 2u},
                                       {two + std::string(100, '\x22'), 3u}, {garbage, 3u}}) {
        SCOPED_TRACE(bytes.size());
        test::WriteFileBytes(s.LogPath(), bytes);
        const pid_t program = s.Start();
        const Window start = s.WaitForWindow(kStartTitle);
        EXPECT_EQ(s.Log(), bytes) << "opening changed the log";
        const std::size_t at = newAt * 148;
        StartStretch(start, at + 148, true);
        OpenMainWindow(); // the list shows what it can read
        ::kill(program, SIGKILL);
        s.WaitForExit(program);
        const std::string after = s.Log();
        EXPECT_EQ(after.substr(0, std::min(at, bytes.size())), bytes.substr(0, at));
        EXPECT_EQ(after.substr(std::min(at + 148, after.size())),
                  bytes.substr(std::min(at + 148, bytes.size())));
        EXPECT_EQ(after.substr(at + 48, 100), test::Stored("Anna"));
    }
}

} // namespace
} // namespace zk::e2e
