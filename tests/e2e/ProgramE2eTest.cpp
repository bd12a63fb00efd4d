#include "E2eSession.h"
#include "LogRecords.h"

#include <gtest/gtest.h>

#include <csignal>
#include <ctime>
#include <thread>

namespace zk::e2e {
namespace {

// Where the program draws its controls (window coordinates; with no window
// manager a window has no frame).
constexpr int kMenuBarHeight = 18;
// Form1: btnEindigComputeren at 216, 8, 200 x 32 below the menu bar; the
// menu bar's first menu starts at its left.
constexpr int kStopX = 316;
constexpr int kStopY = kMenuBarHeight + 24;
constexpr int kFirstMenuX = 20;
constexpr int kMenuY = kMenuBarHeight / 2;
// frmStart: user buttons 153 x 33 from 8, 16, one every 48 pixels; below
// them btnEditUsers, 25 high.
constexpr int kUserButtonX = 84;
constexpr int kUserButtonY(int n)
{
    return 32 + (n - 1) * 48;
}
constexpr int kEditUsersY(int users)
{
    return 16 + (users == 0 ? 1 : users) * 48 + 12;
}
// frmEditUsers: btnAddUser at 192, 24, 89 x 25.
constexpr int kAddUserX = 236;
constexpr int kAddUserY = 36;

constexpr char kMainTitle[] = "^Sitclock version 3\\.2$";

std::time_t Now()
{
    return std::time(nullptr);
}

#define ZK_E2E_READY()                                                                             \
    do {                                                                                           \
        if (const std::string why = E2eSession::WhyNotPossible(); !why.empty())                    \
            GTEST_SKIP() << why;                                                                   \
    } while (false)

TEST(Program, FirstStartIsEnglishAsksWhoStartsAndWritesTheRunEntry)
{
    ZK_E2E_READY();
    E2eSession s;
    const auto [program, start] = s.StartUpToStartWindow();
    ASSERT_NE(start, 0u);
    ASSERT_TRUE(s.WaitFor("the autostart entry and the stored option", [&] {
        return std::filesystem::exists(s.AutostartEntry()) &&
               s.Setting("Options", "AutoStartOnSetup") == "True";
    })) << s.ProgramOutput(program);
    s.Screenshot("first-start");

    // With no settings every option is on and nothing else is stored yet.
    EXPECT_EQ(s.Setting("Options", "Language"), "");
    EXPECT_EQ(s.Setting("Edit", "Users"), "");
    const std::string entry = zk::test::ReadFileBytes(s.AutostartEntry().string());
    EXPECT_NE(entry.find("Exec=" + s.Program().string() + "\n"), std::string::npos) << entry;
    EXPECT_NE(entry.find("Hidden=false"), std::string::npos) << entry;
    EXPECT_TRUE(std::filesystem::exists(s.LogPath()));
    EXPECT_EQ(s.ReadLog().size(), 0u);

    // The main window stays hidden until the tray icon is clicked, then shows
    // its English title.
    EXPECT_TRUE(s.VisibleWindows("^Sitclock version").empty());
    s.ClickTrayIcon();
    const WindowId main = s.WaitForWindow(kMainTitle);
    ASSERT_NE(main, 0u);
    const Geometry g = s.WindowGeometry(main);
    EXPECT_EQ(g.width, 680);
    EXPECT_TRUE(s.Running(program));
}

// The person adds a user through the start window's edit button: the edit
// dialog, its add button, the input box, the name typed and Return.
void AddUser(E2eSession &s, WindowId edit, const std::string &name)
{
    s.Click(edit, kAddUserX, kAddUserY);
    const WindowId box = s.WaitForWindow("^New user$");
    ASSERT_NE(box, 0u);
    ASSERT_TRUE(s.Focus(box));
    s.Type(name);
    s.Key("Return");
    ASSERT_TRUE(s.WaitForNoWindow("^New user$"));
}

TEST(Program, UsersAddedFromTheStartWindowGetButtonsThere)
{
    ZK_E2E_READY();
    E2eSession s;
    const auto [program, start] = s.StartUpToStartWindow();
    ASSERT_NE(start, 0u);
    const int emptyHeight = s.WindowGeometry(start).height;

    s.Click(start, kUserButtonX, kEditUsersY(0));
    const WindowId edit = s.WaitForWindow("^Edit users$");
    ASSERT_NE(edit, 0u);
    AddUser(s, edit, "Anna");
    ASSERT_TRUE(s.WaitFor("Anna stored", [&] { return s.Setting("Edit", "Users") == "Anna"; }));
    AddUser(s, edit, "Bob");
    ASSERT_TRUE(s.WaitFor("both stored", [&] { return s.Setting("Edit", "Users") == "Anna|Bob"; }));
    s.Screenshot("users-edit-dialog");

    ASSERT_TRUE(s.Focus(edit));
    s.Key("Escape");
    ASSERT_TRUE(s.WaitForNoWindow("^Edit users$"));
    // The start window is built anew: two rows of buttons instead of the notice.
    ASSERT_TRUE(s.WaitFor("the start window to grow by a row", [&] {
        return s.WindowGeometry(start).height == emptyHeight + 48;
    })) << s.WindowGeometry(start).height;
    s.Screenshot("users-start-window");

    // Both buttons start a stretch for their own user.
    s.Click(start, kUserButtonX, kUserButtonY(2));
    ASSERT_TRUE(s.WaitForNoWindow(E2eSession::kStartWindowTitle));
    ASSERT_TRUE(s.WaitFor("Bob's record", [&] { return s.ReadLog().size() == 148; }));
    EXPECT_EQ(LogRecord::Parse(s.ReadLog()).front().Description(), "Bob");
    EXPECT_TRUE(s.Running(program));
}

TEST(Program, StretchStartedByAClickAndStoppedWithATypedDescription)
{
    ZK_E2E_READY();
    E2eSession s;
    s.WriteSettings("[Edit]\nUsers=Anna|Bob\n");
    const auto [program, start] = s.StartUpToStartWindow();
    ASSERT_NE(start, 0u);

    const std::time_t clicked = Now();
    s.Click(start, kUserButtonX, kUserButtonY(1));
    ASSERT_TRUE(s.WaitForNoWindow(E2eSession::kStartWindowTitle));
    ASSERT_TRUE(s.WaitFor("Anna's record", [&] { return s.ReadLog().size() == 148; }));

    s.ClickTrayIcon();
    const WindowId main = s.WaitForWindow(kMainTitle);
    ASSERT_NE(main, 0u);
    s.Click(main, kStopX, kStopY);
    const WindowId box = s.WaitForWindow("^Quitting with the computeren$");
    ASSERT_NE(box, 0u);
    ASSERT_TRUE(s.Focus(box));
    // The box offers the user's name; the person adds to it.
    s.Key("End");
    s.Type(" homework");
    s.Screenshot("stretch-stop-box");
    const std::time_t stopped = Now();
    s.Key("Return");
    ASSERT_TRUE(s.WaitForNoWindow("^Quitting with the computeren$"));
    ASSERT_TRUE(s.WaitFor("the description written", [&] {
        const auto records = LogRecord::Parse(s.ReadLog());
        return records.size() == 1 && records[0].Description() != "Anna";
    }));
    s.Screenshot("stretch-main-window");

    const std::string bytes = s.ReadLog();
    ASSERT_EQ(bytes.size(), 148u);
    const LogRecord r = LogRecord::Parse(bytes).front();
    EXPECT_EQ(r.rawDescription, LogRecord::StoredDescription("Anna homework"));
    EXPECT_EQ(r.Description(), "Anna homework");
    // Against the wall clock, allowing two minutes for a slow machine.
    EXPECT_GE(r.StartTime(), clicked - 120);
    EXPECT_LE(r.StartTime(), clicked + 120);
    EXPECT_GE(r.EndTime(), r.StartTime());
    EXPECT_GE(r.EndTime(), stopped - 120);
    EXPECT_LE(r.EndTime(), Now() + 120);
    EXPECT_EQ(r.start[0] / 1000, 2); // a four-digit year of this millennium
    EXPECT_TRUE(s.Running(program));
}

// The person opens a menu of the main window's menu bar by clicking its first
// menu, walks to the one wanted with Right and picks an item with Down and
// Return. A menu opened by the click has no item active yet; one reached with
// Right has its first item active.
void PickMenuItem(E2eSession &s, WindowId main, int menu, int item)
{
    s.Click(main, kFirstMenuX, kMenuY);
    for (int i = 0; i < menu; ++i)
        s.Key("Right");
    for (int i = menu == 0 ? 0 : 1; i <= item; ++i)
        s.Key("Down");
    s.Key("Return");
}

TEST(Program, LanguageSwitchedToDutchStaysAfterARestart)
{
    ZK_E2E_READY();
    E2eSession s;
    const auto [first, start] = s.StartUpToStartWindow();
    ASSERT_NE(start, 0u);
    s.ClickTrayIcon();
    const WindowId main = s.WaitForWindow(kMainTitle);
    ASSERT_NE(main, 0u);

    PickMenuItem(s, main, 3, 0); // mnuLanguage, mnuLanguageDutch
    ASSERT_TRUE(s.WaitFor("the main window's Dutch title", [&] {
        return s.WindowTitle(main) == "Zitklok versie 3.2";
    })) << s.WindowTitle(main);
    // The open start window follows at once.
    EXPECT_NE(s.WaitForWindow("^Wie gaat bezig\\?$"), 0u);
    EXPECT_EQ(s.Setting("Options", "Language"), "NL");
    s.Screenshot("language-dutch-main-window");

    PickMenuItem(s, main, 0, 0); // mnuFile, mnuExit
    EXPECT_EQ(s.WaitForExit(first), 0) << s.ProgramOutput(first);
    ASSERT_TRUE(s.WaitForNoWindow("^Wie gaat bezig"));

    const pid_t second = s.StartProgram();
    ASSERT_NE(s.WaitForWindow("^Wie gaat bezig\\?$"), 0u) << s.ProgramOutput(second);
    s.Screenshot("language-dutch-restart");
    s.ClickTrayIcon();
    EXPECT_NE(s.WaitForWindow("^Zitklok versie 3\\.2$"), 0u);
    EXPECT_EQ(s.Setting("Options", "Language"), "NL");
}

TEST(Program, SecondStartBringsTheFirstForwardAndEnds)
{
    ZK_E2E_READY();
    E2eSession s;
    const auto [first, start] = s.StartUpToStartWindow();
    ASSERT_NE(start, 0u);
    EXPECT_TRUE(s.VisibleWindows(kMainTitle).empty());

    const pid_t second = s.StartProgram();
    EXPECT_EQ(s.WaitForExit(second), 0) << s.ProgramOutput(second);
    EXPECT_NE(s.WaitForWindow(kMainTitle), 0u);
    s.Screenshot("second-start");
    EXPECT_TRUE(s.Running(first));
    // Nothing was written for the second start: the first still has its log.
    EXPECT_EQ(s.ReadLog().size(), 0u);
}

TEST(Program, StillPointerStopsTheStretchAtTheLastMovementAndLogsTheIdleTime)
{
    ZK_E2E_READY();
    if (!ZITKLOK_E2E_HOOKS)
        GTEST_SKIP() << "the program was built without ZITKLOK_TEST_HOOKS, so its idle limit "
                        "is ten minutes";
    E2eSession s;
    s.WriteSettings("[Edit]\nUsers=Anna\n");
    s.SetProgramEnv("ZITKLOK_TEST_IDLE_LIMITS", "1,4");
    const auto [program, start] = s.StartUpToStartWindow();
    ASSERT_NE(start, 0u);

    const std::time_t clicked = Now();
    s.Click(start, kUserButtonX, kUserButtonY(1));
    ASSERT_TRUE(s.WaitForNoWindow(E2eSession::kStartWindowTitle));
    // A person at work: the pointer moves for three seconds, several times a
    // look, then rests.
    std::time_t lastMove = Now();
    for (int i = 0; i < 15; ++i) {
        s.MovePointer(300 + 17 * i, 400 - 11 * i);
        lastMove = Now();
        std::this_thread::sleep_for(200ms);
    }
    ASSERT_EQ(LogRecord::Parse(s.ReadLog()).size(), 1u) << "stopped while the pointer moved";

    ASSERT_TRUE(s.WaitFor(
        "the automatic stop's idle record", [&] { return s.ReadLog().size() == 2 * 148; }, 30s))
        << s.ReadLog().size();
    const std::time_t noticed = Now();
    EXPECT_NE(s.WaitForWindow(E2eSession::kStartWindowTitle), 0u);
    s.Screenshot("idle-stop-start-window");

    const auto records = LogRecord::Parse(s.ReadLog());
    const LogRecord &user = records[0];
    const LogRecord &idle = records[1];
    EXPECT_EQ(user.rawDescription, LogRecord::StoredDescription("Anna"));
    EXPECT_EQ(idle.rawDescription, LogRecord::StoredDescription("Idle"));
    EXPECT_GE(user.StartTime(), clicked - 1);
    EXPECT_LE(user.StartTime(), clicked + 2);
    // The stretch ends at the look that last saw the pointer move, and the
    // idle time runs from there to the stop, four seconds of stillness later.
    EXPECT_EQ(user.end, idle.start);
    EXPECT_GE(user.EndTime(), lastMove);
    EXPECT_LE(user.EndTime(), lastMove + 2);
    EXPECT_GE(idle.EndTime() - idle.StartTime(), 4);
    EXPECT_LE(idle.EndTime() - idle.StartTime(), 8);
    EXPECT_LE(idle.EndTime(), noticed);
    EXPECT_TRUE(s.Running(program));
}

} // namespace
} // namespace zk::e2e
