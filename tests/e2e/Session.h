#pragma once

#include "support/LogBytes.h"
#include "support/TempDir.h"

#include <chrono>
#include <functional>
#include <string>
#include <sys/types.h>
#include <vector>

namespace zk::e2e {

using namespace std::chrono_literals;
using Window = unsigned long; // an X window id as xdotool prints it; 0 is none

// The English titles a person sees.
inline const std::string kStartTitle = "^Who is starting\\?$";
inline const std::string kMainTitle = "^Sitclock version 3\\.2$";

// One run of the real program on the X display of xvfb-run, driven as a person drives it:
// a fresh home for its settings, a copy of zitklok in a folder of its own beside which the
// log lives, trayer as the tray. The programs write into the test's output. Every wait is
// bounded and fails naming what it awaited; everything started ends with the session.
class Session
{
public:
    Session();
    ~Session();
    // Empty when this machine can run a session, else why not (the test skips).
    static std::string WhyNotPossible();

    std::string Program() const { return m_bin.File("zitklok"); }
    std::string LogPath() const { return m_bin.File("actions.dat"); }
    std::string Log() const { return test::ReadFileBytes(LogPath()); }
    std::vector<test::LogRecord> Records() const { return test::Records(Log()); }
    std::string ConfigFile(const std::string &name) const { return m_home.File(".config/" + name); }
    // One value of the settings file, "" when absent.
    std::string Setting(const std::string &section, const std::string &key) const;
    void WriteSettings(const std::string &ini) const;

    // Starts the tray (once) and the program with extra "NAME=value" settings.
    pid_t Start(const std::vector<std::string> &env = {});
    // Start, then the English start window.
    Window StartToStartWindow(const std::vector<std::string> &env = {});
    // The exit code (128 + signal), -1 when it did not end in time.
    int WaitForExit(pid_t pid);

    std::vector<Window> Windows(const std::string &title) const;
    Window WaitForWindow(const std::string &title);
    bool WaitForNoWindow(const std::string &title);
    void Click(Window w, int x, int y) const;
    // Gives w the keyboard focus, types text, then presses keys ("End", "Return").
    void Type(Window w, const std::string &text, const std::vector<std::string> &keys = {});
    void Keys(const std::vector<std::string> &keys) const;
    void MovePointer(int x, int y) const;
    void ClickTrayIcon();
    // A picture of the screen in <build>/e2e-shots/<name>.png.
    void Shot(const std::string &name) const;

    static bool WaitFor(const std::string &what, const std::function<bool()> &done,
                        std::chrono::milliseconds timeout = 20s);

private:
    std::string Xdotool(const std::vector<std::string> &args, bool mustWork = true) const;

    test::TempDir m_home;
    test::TempDir m_bin;
    std::vector<pid_t> m_started; // the tray first
};

} // namespace zk::e2e
