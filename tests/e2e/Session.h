#pragma once

#include "Version.h"
#include "support/LogBytes.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <csignal>
#include <functional>
#include <iterator>
#include <spawn.h>
#include <sstream>
#include <stdexcept>
#include <sys/wait.h>
#include <thread>

extern char **environ;

namespace zk::e2e {

using namespace std::chrono_literals;
using Window = unsigned long; // an X window id as xdotool prints it

inline const std::string kStartTitle = "^Who is starting\\?$";
// The build's version as a title shows it, its dot matched as a dot.
inline const std::string kVersionPattern
    = std::to_string(kVersionMajor) + "\\." + std::to_string(kVersionMinor);
inline const std::string kMainTitle = "^Sitclock version " + kVersionPattern + "$";

// The real program on xvfb-run's display, driven as a person does: a fresh home, zitklok copied
// to a folder of its own where its log lives, trayer as the tray. A wait that runs out throws,
// naming what it awaited, and ends the case; all the session starts ends with it.
class Session
{
public:
    Session()
    {
        std::filesystem::copy_file(ZITKLOK_EXE, Program());
        std::filesystem::create_directories(ZITKLOK_E2E_SHOTS);
        ::setenv("HOME", m_home.Path().c_str(), 1); // a fresh folder is the owner's alone
        ::setenv("XDG_CONFIG_HOME", m_home.File(".config").c_str(), 1);
        ::setenv("XDG_RUNTIME_DIR", m_home.Path().c_str(), 1);
        ::setenv("QT_QPA_PLATFORM", "xcb", 1);
        // trayer's tray, not a desktop's, and X11 also when the tests run inside Wayland.
        for (const char *name : {"DBUS_SESSION_BUS_ADDRESS", "WAYLAND_DISPLAY", "XDG_SESSION_TYPE"})
            ::unsetenv(name);
    }
    // Leaves a picture of the screen as the case ends in <build>/e2e-shots/<case>.png, then
    // ends the program before the tray: without a tray it would change its behaviour.
    ~Session()
    {
        if (const auto *info = ::testing::UnitTest::GetInstance()->current_test_info())
            Run({"import", "-window", "root",
                 std::string(ZITKLOK_E2E_SHOTS "/") + info->name() + ".png"});
        for (auto it = m_started.rbegin(); it != m_started.rend(); ++it)
            if (::kill(*it, SIGKILL) == 0)
                ::waitpid(*it, nullptr, 0);
    }

    std::string Program() const { return m_bin.File("zitklok"); }
    std::string LogPath() const { return m_bin.File("actions.dat"); }
    std::string Log() const { return test::ReadFileBytes(LogPath()); }
    std::vector<test::LogRecord> Records() const { return test::Records(Log()); }
    std::string ConfigFile(const std::string &name) const { return m_home.File(".config/" + name); }
    void WriteSettings(const std::string &ini) const
    {
        std::filesystem::create_directories(ConfigFile("Sitclock"));
        test::WriteFileBytes(ConfigFile("Sitclock/Sitclock.ini"), ini);
    }

    // Starts the tray (once), then the program.
    pid_t Start()
    {
        if (m_started.empty()) {
            const std::vector<std::string> trayer = {
                "trayer", "--edge", "top", "--align", "right", "--widthtype", "request",
                "--height", "24", "--transparent", "false", "--SetDockType", "true"};
            pid_t tray = Spawn(trayer);
            // A display still coming up can turn trayer away at once: then it starts again.
            WaitFor("trayer's panel", [&] {
                if (!Windows("^panel$").empty())
                    return true;
                if (::waitpid(tray, nullptr, WNOHANG) == tray)
                    tray = Spawn(trayer);
                return false;
            }, 60s);
        }
        return Spawn({Program()});
    }
    Window StartToStartWindow()
    {
        Start();
        return WaitForWindow(kStartTitle);
    }
    // The exit code, 128 + the signal for a kill.
    int WaitForExit(pid_t pid)
    {
        int status = -1;
        WaitFor("the program to end", [&] { return ::waitpid(pid, &status, WNOHANG) == pid; });
        return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    }

    std::vector<Window> Windows(const std::string &title) const
    {
        std::stringstream ids(Xdotool({"search", "--onlyvisible", "--name", title}, false));
        return {std::istream_iterator<Window>(ids), std::istream_iterator<Window>()};
    }
    Window WaitForWindow(const std::string &title)
    {
        std::vector<Window> found;
        WaitFor("one visible window titled /" + title + "/",
                [&] { return (found = Windows(title)).size() == 1; });
        return found.front();
    }
    void Click(Window w, int x, int y) const
    {
        Xdotool({"mousemove", "--window", std::to_string(w), std::to_string(x), std::to_string(y),
                 "click", "1"});
    }
    // trayer's panel is as wide as its icons: once it holds ours, its middle is our icon.
    void ClickTrayIcon()
    {
        const std::string panel = std::to_string(WaitForWindow("^panel$"));
        WaitFor("the program's icon in trayer's panel", [&] {
            int width = 0;
            std::sscanf(Xdotool({"getwindowgeometry", "--shell", panel}).c_str(),
                        "WINDOW=%*d X=%*d Y=%*d WIDTH=%d", &width);
            return width >= 16;
        });
        Xdotool({"mousemove", "--window", panel, "12", "12", "click", "1"});
    }
    std::string Xdotool(std::vector<std::string> args, bool mustWork = true) const
    {
        args.insert(args.begin(), "xdotool");
        return Run(args, mustWork);
    }
    static void WaitFor(const std::string &what, const std::function<bool()> &done,
                        std::chrono::milliseconds timeout = 20s)
    {
        const auto until = std::chrono::steady_clock::now() + timeout;
        while (!done()) {
            if (std::chrono::steady_clock::now() > until)
                throw std::runtime_error("waited " + std::to_string(timeout.count()) +
                                         " ms in vain for " + what);
            std::this_thread::sleep_for(50ms);
        }
    }

private:
    // Runs a tool to its end (ten seconds at most): its output, "" when it failed.
    static std::string Run(const std::vector<std::string> &argv, bool mustWork = true)
    {
        std::string line = "timeout 10", out; // no argument given here holds a single quote
        for (const std::string &a : argv)
            line += " '" + a + "'";
        FILE *pipe = ::popen((line + " 2>&1").c_str(), "r");
        char buffer[4096];
        for (std::size_t n; pipe && (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
            out.append(buffer, n);
        const bool ok = pipe && ::pclose(pipe) == 0;
        if (mustWork && !ok)
            ADD_FAILURE() << line << " failed: " << out;
        return ok ? out : "";
    }
    pid_t Spawn(std::vector<std::string> argv)
    {
        std::vector<char *> args;
        for (std::string &a : argv)
            args.push_back(a.data());
        args.push_back(nullptr);
        pid_t pid = -1;
        EXPECT_EQ(posix_spawnp(&pid, args[0], nullptr, nullptr, args.data(), environ), 0);
        return m_started.emplace_back(pid);
    }

    test::TempDir m_home;
    test::TempDir m_bin;
    std::vector<pid_t> m_started; // the tray first
};

} // namespace zk::e2e
