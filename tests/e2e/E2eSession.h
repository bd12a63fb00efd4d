#pragma once

#include "support/TempDir.h"

#include <chrono>
#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <sys/types.h>
#include <vector>

namespace zk::e2e {

using namespace std::chrono_literals;
using Millis = std::chrono::milliseconds;

// An X window id as xdotool prints it; 0 is "none".
using WindowId = unsigned long;

struct Geometry
{
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

struct CommandResult
{
    int exitCode = -1; // -1: it did not end within its time and was killed
    std::string out;   // what it wrote on stdout
};

// One run of the real program on a real (virtual) X display, driven the way a
// person would drive it. Each session has a fresh home (HOME, XDG_CONFIG_HOME
// and XDG_RUNTIME_DIR point into it) and a program folder of its own with a
// copy of zitklok in it, so that the log lives beside that copy.
//
// Typical use inside a TEST:
//
//     E2eSession s;
//     if (auto why = s.WhyNotPossible(); !why.empty()) GTEST_SKIP() << why;
//     const auto [program, start] = s.StartUpToStartWindow();
//     ASSERT_NE(start, 0u);
//     s.Click(start, 84, 32);
//     ASSERT_TRUE(s.WaitFor("the start window to close",
//                           [&] { return s.VisibleWindows("^Who is starting").empty(); }));
//
// Failures of the harness itself (a tool that does not answer, a window that
// never comes) are reported as gtest failures naming what was awaited; the
// helpers then return an empty value so that the test can ASSERT on it.
// Window titles are matched as xdotool does: extended regular expressions.
// Everything started is ended when the session goes.
class E2eSession
{
public:
    E2eSession();
    ~E2eSession();
    E2eSession(const E2eSession &) = delete;
    E2eSession &operator=(const E2eSession &) = delete;

    // Empty when this machine can run the session; otherwise why not (no X
    // display, a tool missing). Tests GTEST_SKIP with this text.
    static std::string WhyNotPossible();

    // ---- places ----
    const std::filesystem::path &ProgramFolder() const { return m_bin.Path(); }
    const std::filesystem::path &Home() const { return m_home.Path(); }
    std::filesystem::path ConfigHome() const { return Home() / ".config"; }
    std::filesystem::path Program() const { return ProgramFolder() / "zitklok"; }
    std::filesystem::path LogPath() const { return ProgramFolder() / "actions.dat"; }
    std::filesystem::path SettingsPath() const;
    std::filesystem::path AutostartEntry() const;

    // ---- files ----
    // The log's bytes; empty when there is no log.
    std::string ReadLog() const;
    // The settings file as text; empty when it does not exist.
    std::string ReadSettings() const;
    // One value of the settings file ("" when absent), e.g. ("Options", "Language").
    std::string Setting(const std::string &section, const std::string &key) const;
    // Replaces the settings file, e.g. "[Edit]\nUsers=Anna|Bob\n" before a start.
    void WriteSettings(const std::string &iniText) const;

    // ---- processes ----
    // Starts trayer as the desktop's tray and waits for its panel.
    void StartTray();
    // Extra environment for every later StartProgram.
    void SetProgramEnv(const std::string &name, const std::string &value);
    // Starts the copied program; stdout and stderr go to a file (ProgramOutput).
    // Returns its process id, or -1 (with a failure) when it could not start.
    pid_t StartProgram();
    // The English start window's title, as a pattern.
    static constexpr const char *kStartWindowTitle = "^Who is starting\\?$";
    struct Started
    {
        pid_t program = -1;
        WindowId startWindow = 0;
    };
    // StartTray, StartProgram, then the wait for the English start window; its
    // id is 0 (with a failure that quotes the program's output) when it never came.
    Started StartUpToStartWindow();
    // True while the process has not ended (it is reaped here once it has).
    bool Running(pid_t pid);
    // Waits for the end of a process of this session. The exit code, 128 +
    // the signal when a signal ended it, or -1 (with a failure) after timeout.
    int WaitForExit(pid_t pid, Millis timeout = 15s);
    // SIGTERM or SIGKILL, then waits for the end; returns as WaitForExit.
    int Terminate(pid_t pid, Millis timeout = 15s);
    int Kill(pid_t pid);
    // What a started program wrote on stdout and stderr so far.
    std::string ProgramOutput(pid_t pid) const;

    // Runs a command to its end (killed after timeout); argv[0] is looked up in PATH.
    CommandResult Run(const std::vector<std::string> &argv, Millis timeout = 10s) const;

    // ---- windows and input (xdotool) ----
    // Runs xdotool with these arguments; a failure when it does not exit 0.
    std::string Xdotool(const std::vector<std::string> &args) const;
    // Mapped (visible) windows whose title matches.
    std::vector<WindowId> VisibleWindows(const std::string &titlePattern) const;
    // Waits until exactly one visible window matches; 0 and a failure otherwise.
    WindowId WaitForWindow(const std::string &titlePattern, Millis timeout = 20s);
    // Waits until no visible window matches.
    bool WaitForNoWindow(const std::string &titlePattern, Millis timeout = 20s);
    std::string WindowTitle(WindowId window) const;
    Geometry WindowGeometry(WindowId window) const;
    // Moves the pointer to (x, y) inside the window and clicks the left button.
    void Click(WindowId window, int x, int y) const;
    // Gives the window the keyboard focus and waits until the server says so.
    // With no window manager this is how a window becomes the one typed into.
    bool Focus(WindowId window);
    // Types text, or presses keys in xdotool's names ("Return", "End", "Down"),
    // into whatever has the focus.
    void Type(const std::string &text) const;
    void Key(const std::string &keys) const;
    // The pointer, in screen pixels.
    void MovePointer(int x, int y) const;
    // Clicks the program's icon in trayer's panel (the tray's "show" click).
    void ClickTrayIcon();

    // A picture of the whole screen in <build>/e2e-shots/<name>.png.
    void Screenshot(const std::string &name) const;

    // ---- waiting ----
    // Polls done() every 50 ms until it holds or timeout passes. On timeout a
    // failure says "timed out after N ms waiting for <what>" and false returns.
    static bool WaitFor(const std::string &what, const std::function<bool()> &done,
                        Millis timeout = 20s);

private:
    struct Child
    {
        std::string name;
        std::filesystem::path output;
        bool ended = false;
        int status = 0;
    };

    pid_t Spawn(const std::string &name, const std::vector<std::string> &argv,
                const std::vector<std::string> &env);
    std::vector<std::string> ProgramEnvironment() const;
    bool Reap(pid_t pid, bool block);
    void EndAll();

    zk::test::TempDir m_home;
    zk::test::TempDir m_bin;
    std::map<std::string, std::string> m_extraEnv;
    std::map<pid_t, Child> m_children;
    pid_t m_tray = -1;
    int m_started = 0;
};

} // namespace zk::e2e
