#include "E2eSession.h"
#include "LogRecords.h"

#include <gtest/gtest.h>

namespace zk::e2e {
namespace {

// Layout of the windows as the program draws them (no window manager, so
// window coordinates are client coordinates).
constexpr int kMenuBarHeight = 18;
constexpr int kStartUserX = 84; // frmStart: user buttons 153 wide from x 8
constexpr int kStartUserY = 32; // first button 16..49, 48 pixels a row
constexpr int kStartRowStep = 48;
constexpr int kEditAddUserX = 236; // frmEditUsers: btnAddUser at 192, 24, 89 x 25
constexpr int kEditAddUserY = 36;

#define ZK_E2E_READY()                                                                             \
    do {                                                                                           \
        if (const std::string why = E2eSession::WhyNotPossible(); !why.empty())                    \
            GTEST_SKIP() << why;                                                                   \
    } while (false)

TEST(Program, FirstStartIsEnglishAsksWhoStartsAndWritesTheRunEntry)
{
    ZK_E2E_READY();
    E2eSession s;
    s.StartTray();
    const pid_t program = s.StartProgram();
    const WindowId start = s.WaitForWindow("^Who is starting\\?$");
    ASSERT_NE(start, 0u) << s.ProgramOutput(program);
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
    const WindowId main = s.WaitForWindow("^Sitclock version 3\\.2$");
    ASSERT_NE(main, 0u);
    const Geometry g = s.WindowGeometry(main);
    EXPECT_EQ(g.width, 680);
    EXPECT_TRUE(s.Running(program));
}

} // namespace
} // namespace zk::e2e
