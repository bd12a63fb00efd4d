#include "Session.h"

#include <gtest/gtest.h>

#include <array>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <spawn.h>
#include <sstream>
#include <sys/wait.h>
#include <thread>

extern char **environ;

namespace zk::e2e {
namespace {

std::string Quoted(const std::vector<std::string> &argv)
{
    std::string line;
    for (const std::string &a : argv) {
        line += " '";
        for (char c : a)
            line += c == '\'' ? std::string("'\\''") : std::string(1, c);
        line += "'";
    }
    return line;
}

// Runs a tool to its end (ten seconds at most); its output, and whether it exited 0.
std::pair<std::string, bool> Run(const std::vector<std::string> &argv)
{
    FILE *pipe = ::popen(("timeout 10" + Quoted(argv) + " 2>&1").c_str(), "r");
    std::string out;
    char buffer[4096];
    for (std::size_t n; pipe && (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
        out.append(buffer, n);
    return {out, pipe && ::pclose(pipe) == 0};
}

// X, Y, WIDTH and HEIGHT from xdotool's getwindowgeometry --shell.
std::array<int, 4> Geometry(const std::string &out)
{
    std::array<int, 4> g{};
    std::stringstream lines(out);
    const std::array<std::string, 4> names{"X=", "Y=", "WIDTH=", "HEIGHT="};
    for (std::string line; std::getline(lines, line);)
        for (std::size_t i = 0; i < names.size(); ++i)
            if (line.rfind(names[i], 0) == 0)
                g[i] = std::atoi(line.c_str() + names[i].size());
    return g;
}

} // namespace

Session::Session()
{
    std::filesystem::create_directories(m_home.Path() / "runtime");
    std::filesystem::permissions(m_home.Path() / "runtime", std::filesystem::perms::owner_all);
    std::filesystem::copy_file(ZITKLOK_EXE, Program());
    ::setenv("HOME", m_home.Path().c_str(), 1);
    ::setenv("XDG_CONFIG_HOME", m_home.File(".config").c_str(), 1);
    ::setenv("XDG_RUNTIME_DIR", m_home.File("runtime").c_str(), 1);
    ::setenv("QT_QPA_PLATFORM", "xcb", 1);
    // The tray must be trayer's, not a desktop's status-notifier service.
    ::unsetenv("DBUS_SESSION_BUS_ADDRESS");
    // An X11 session of its own, also when the tests run inside a Wayland desktop.
    ::unsetenv("WAYLAND_DISPLAY");
    ::unsetenv("XDG_SESSION_TYPE");
}

Session::~Session()
{
    // The program before the tray: without a tray it would change its behaviour.
    for (auto it = m_started.rbegin(); it != m_started.rend(); ++it) {
        ::kill(*it, SIGKILL);
        ::waitpid(*it, nullptr, 0);
    }
}

std::string Session::WhyNotPossible()
{
    const char *display = std::getenv("DISPLAY");
    if (!display || !*display)
        return "no X display: the end-to-end tests run under xvfb-run";
    if (!Run({"sh", "-c", "command -v xdotool trayer import"}).second)
        return "xdotool, trayer or import is missing (scripts/deps.sh installs them)";
    return {};
}

std::string Session::Setting(const std::string &section, const std::string &key) const
{
    std::stringstream lines(test::ReadFileBytes(ConfigFile("Sitclock/Sitclock.ini")));
    std::string current;
    for (std::string line; std::getline(lines, line);) {
        if (line.size() > 1 && line.front() == '[')
            current = line.substr(1, line.find(']') - 1);
        else if (current == section && line.rfind(key + "=", 0) == 0)
            return line.substr(key.size() + 1);
    }
    return {};
}

void Session::WriteSettings(const std::string &ini) const
{
    std::filesystem::create_directories(ConfigFile("Sitclock"));
    test::WriteFileBytes(ConfigFile("Sitclock/Sitclock.ini"), ini);
}

pid_t Session::Start(const std::vector<std::string> &env)
{
    const bool tray = m_started.empty();
    std::vector<std::string> argv{Program()};
    if (tray)
        argv = {"trayer", "--edge", "top", "--align", "right", "--widthtype", "request",
                "--height", "24", "--transparent", "false", "--SetDockType", "true"};
    for (const std::string &e : env)
        ::setenv(e.substr(0, e.find('=')).c_str(), e.substr(e.find('=') + 1).c_str(), 1);
    std::vector<char *> args;
    for (std::string &a : argv)
        args.push_back(a.data());
    args.push_back(nullptr);
    pid_t pid = -1;
    if (posix_spawnp(&pid, args[0], nullptr, nullptr, args.data(), environ) != 0)
        ADD_FAILURE() << "cannot start " << argv[0];
    m_started.push_back(pid);
    if (!tray)
        return pid;
    WaitFor("trayer's panel", [this] { return !Windows("^panel$").empty(); }, 60s);
    return Start(env);
}

Window Session::StartToStartWindow(const std::vector<std::string> &env)
{
    Start(env);
    return WaitForWindow(kStartTitle);
}

int Session::WaitForExit(pid_t pid)
{
    int status = -1;
    if (!WaitFor("the program to end", [&] { return ::waitpid(pid, &status, WNOHANG) == pid; }))
        return -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

std::string Session::Xdotool(const std::vector<std::string> &args, bool mustWork) const
{
    std::vector<std::string> argv{"xdotool"};
    argv.insert(argv.end(), args.begin(), args.end());
    auto [out, ok] = Run(argv);
    if (mustWork && !ok)
        ADD_FAILURE() << Quoted(argv) << " failed: " << out;
    return ok ? out : std::string();
}

std::vector<Window> Session::Windows(const std::string &title) const
{
    std::stringstream ids(Xdotool({"search", "--onlyvisible", "--name", title}, false));
    std::vector<Window> found;
    for (Window id; ids >> id;)
        found.push_back(id);
    return found;
}

Window Session::WaitForWindow(const std::string &title)
{
    std::vector<Window> found;
    WaitFor("one visible window titled /" + title + "/", [&] {
        found = Windows(title);
        return found.size() == 1;
    });
    return found.size() == 1 ? found.front() : 0;
}

bool Session::WaitForNoWindow(const std::string &title)
{
    return WaitFor("no window titled /" + title + "/", [&] { return Windows(title).empty(); });
}

void Session::Click(Window w, int x, int y) const
{
    Xdotool({"mousemove", "--window", std::to_string(w), std::to_string(x), std::to_string(y),
             "click", "1"});
}

void Session::Type(Window w, const std::string &text, const std::vector<std::string> &keys)
{
    // With no window manager, focus is how a window becomes the one typed into.
    Xdotool({"windowfocus", std::to_string(w)});
    WaitFor("the keyboard focus", [&] {
        return std::strtoul(Xdotool({"getwindowfocus"}).c_str(), nullptr, 10) == w;
    });
    if (!text.empty())
        Xdotool({"type", "--delay", "30", text});
    Keys(keys);
}

void Session::Keys(const std::vector<std::string> &keys) const
{
    for (const std::string &k : keys)
        Xdotool({"key", "--delay", "30", k});
}

void Session::MovePointer(int x, int y) const
{
    Xdotool({"mousemove", std::to_string(x), std::to_string(y)});
}

void Session::ClickTrayIcon()
{
    // The icon is a small window of the program's class that trayer embeds in its panel.
    const auto panel = Geometry(Xdotool({"getwindowgeometry", "--shell",
                                         std::to_string(WaitForWindow("^panel$"))}));
    std::array<int, 4> icon{};
    WaitFor("the program's icon in trayer's panel", [&] {
        std::stringstream ids(
            Xdotool({"search", "--onlyvisible", "--classname", "^zitklok$"}, false));
        for (std::string id; ids >> id;) {
            icon = Geometry(Xdotool({"getwindowgeometry", "--shell", id}));
            if (icon[0] >= panel[0] && icon[1] >= panel[1] && icon[2] > 1 &&
                icon[0] + icon[2] <= panel[0] + panel[2] &&
                icon[1] + icon[3] <= panel[1] + panel[3])
                return true;
        }
        return false;
    });
    Xdotool({"mousemove", std::to_string(icon[0] + icon[2] / 2),
             std::to_string(icon[1] + icon[3] / 2), "click", "1"});
}

void Session::Shot(const std::string &name) const
{
    std::filesystem::create_directories(ZITKLOK_E2E_SHOTS);
    Run({"import", "-window", "root", std::string(ZITKLOK_E2E_SHOTS "/") + name + ".png"});
}

bool Session::WaitFor(const std::string &what, const std::function<bool()> &done,
                      std::chrono::milliseconds timeout)
{
    const auto until = std::chrono::steady_clock::now() + timeout;
    while (!done()) {
        if (std::chrono::steady_clock::now() > until) {
            ADD_FAILURE() << "timed out after " << timeout.count() << " ms waiting for " << what;
            return false;
        }
        std::this_thread::sleep_for(50ms);
    }
    return true;
}

} // namespace zk::e2e
