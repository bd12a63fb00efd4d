#include "Session.h"

#include <gtest/gtest.h>

#include <array>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <spawn.h>
#include <sstream>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

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

// X, Y, WIDTH, HEIGHT of a window.
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
    const auto home = m_home.Path();
    std::filesystem::create_directories(home / ".config");
    std::filesystem::create_directories(home / "runtime");
    std::filesystem::permissions(home / "runtime", std::filesystem::perms::owner_all);
    std::filesystem::copy_file(ZITKLOK_EXE, m_bin.Path() / "zitklok");
    ::setenv("HOME", home.c_str(), 1);
    ::setenv("XDG_CONFIG_HOME", (home / ".config").c_str(), 1);
    ::setenv("XDG_RUNTIME_DIR", (home / "runtime").c_str(), 1);
    ::setenv("QT_QPA_PLATFORM", "xcb", 1);
    // The tray must be trayer's, not a desktop's status-notifier service.
    ::unsetenv("DBUS_SESSION_BUS_ADDRESS");
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
    for (const char *tool : {"xdotool", "trayer", "import"})
        if (!Run({"sh", "-c", std::string("command -v ") + tool}).second)
            return std::string(tool) + " is not installed (scripts/deps.sh installs it)";
    return {};
}

std::string Session::SettingsPath() const
{
    return (m_home.Path() / ".config/Sitclock/Sitclock.ini").string();
}

std::string Session::AutostartEntry() const
{
    return test::ReadFileBytes((m_home.Path() / ".config/autostart/zitklok.desktop").string());
}

std::string Session::Setting(const std::string &section, const std::string &key) const
{
    std::stringstream lines(test::ReadFileBytes(SettingsPath()));
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
    std::filesystem::create_directories(std::filesystem::path(SettingsPath()).parent_path());
    test::WriteFileBytes(SettingsPath(), ini);
}

pid_t Session::Start(const std::vector<std::string> &env)
{
    const bool tray = m_started.empty();
    std::vector<std::string> argv{(m_bin.Path() / "zitklok").string()};
    if (tray)
        argv = {"trayer", "--edge", "top", "--align", "right", "--widthtype", "request",
                "--height", "24", "--transparent", "false", "--SetDockType", "true"};
    for (const std::string &e : env)
        ::setenv(e.substr(0, e.find('=')).c_str(), e.substr(e.find('=') + 1).c_str(), 1);
    posix_spawn_file_actions_t files;
    posix_spawn_file_actions_init(&files);
    const std::string out = m_home.File(std::to_string(m_started.size()) + ".out");
    posix_spawn_file_actions_addopen(&files, 1, out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_adddup2(&files, 1, 2);
    std::vector<char *> args;
    for (std::string &a : argv)
        args.push_back(a.data());
    args.push_back(nullptr);
    pid_t pid = -1;
    if (posix_spawnp(&pid, args[0], &files, nullptr, args.data(), environ) != 0)
        ADD_FAILURE() << "cannot start " << argv[0];
    posix_spawn_file_actions_destroy(&files);
    m_started.push_back(pid);
    if (tray) {
        WaitFor("trayer's panel", [this] { return !Windows("^panel$").empty(); });
        return Start(env);
    }
    return pid;
}

Window Session::StartToStartWindow(const std::vector<std::string> &env)
{
    const pid_t pid = Start(env);
    const Window w = WaitForWindow(kStartTitle);
    if (w == 0)
        ADD_FAILURE() << "the program wrote: " << Output(pid);
    return w;
}

bool Session::Running(pid_t pid)
{
    return ::waitpid(pid, nullptr, WNOHANG) == 0;
}

int Session::WaitForExit(pid_t pid)
{
    int status = -1;
    if (!WaitFor("the program to end", [&] { return ::waitpid(pid, &status, WNOHANG) == pid; }))
        return -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

void Session::Kill(pid_t pid)
{
    ::kill(pid, SIGKILL);
    ::waitpid(pid, nullptr, 0);
}

std::string Session::Output(pid_t pid) const
{
    for (std::size_t i = 0; i < m_started.size(); ++i)
        if (m_started[i] == pid)
            return test::ReadFileBytes(m_home.File(std::to_string(i) + ".out"));
    return {};
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

std::string Session::Title(Window w) const
{
    std::string title = Xdotool({"getwindowname", std::to_string(w)});
    return title.substr(0, title.find('\n'));
}

int Session::Height(Window w) const
{
    return Geometry(Xdotool({"getwindowgeometry", "--shell", std::to_string(w)}))[3];
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
    const Window panel = WaitForWindow("^panel$");
    std::array<int, 4> icon{};
    WaitFor("the program's icon in trayer's panel", [&] {
        const auto p = Geometry(Xdotool({"getwindowgeometry", "--shell", std::to_string(panel)}));
        std::stringstream ids(Xdotool({"search", "--onlyvisible", "--classname", "^zitklok$"}, false));
        for (std::string id; ids >> id;) {
            icon = Geometry(Xdotool({"getwindowgeometry", "--shell", id}));
            if (icon[0] >= p[0] && icon[1] >= p[1] && icon[0] + icon[2] <= p[0] + p[2] &&
                icon[1] + icon[3] <= p[1] + p[3] && icon[2] > 1)
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
