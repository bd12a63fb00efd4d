#include "E2eSession.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <poll.h>
#include <spawn.h>
#include <sstream>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char **environ;

namespace zk::e2e {
namespace {

using Clock = std::chrono::steady_clock;

std::string Joined(const std::vector<std::string> &argv)
{
    std::string text;
    for (const std::string &a : argv)
        text += (text.empty() ? "" : " ") + a;
    return text;
}

bool OnPath(const std::string &tool)
{
    const char *path = std::getenv("PATH");
    std::stringstream dirs(path ? path : "");
    for (std::string dir; std::getline(dirs, dir, ':');)
        if (!dir.empty() && ::access((dir + "/" + tool).c_str(), X_OK) == 0)
            return true;
    return false;
}

std::vector<char *> Pointers(std::vector<std::string> &texts)
{
    std::vector<char *> pointers;
    for (std::string &t : texts)
        pointers.push_back(t.data());
    pointers.push_back(nullptr);
    return pointers;
}

int ExitCodeOf(int status)
{
    if (WIFEXITED(status))
        return WEXITSTATUS(status);
    if (WIFSIGNALED(status))
        return 128 + WTERMSIG(status);
    return -1;
}

std::string ReadWhole(const std::filesystem::path &path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

} // namespace

E2eSession::E2eSession()
{
    std::filesystem::create_directories(ConfigHome());
    std::filesystem::create_directories(Home() / "runtime");
    std::filesystem::permissions(Home() / "runtime", std::filesystem::perms::owner_all);
    std::filesystem::copy_file(ZITKLOK_EXE, Program());
}

E2eSession::~E2eSession()
{
    EndAll();
}

std::string E2eSession::WhyNotPossible()
{
    const char *display = std::getenv("DISPLAY");
    if (!display || !*display)
        return "no X display: the end-to-end tests run under xvfb-run";
    for (const char *tool : {"xdotool", "trayer", "import"})
        if (!OnPath(tool))
            return std::string(tool) + " is not installed (scripts/deps.sh installs it)";
    return {};
}

std::filesystem::path E2eSession::SettingsPath() const
{
    return ConfigHome() / "Sitclock" / "Sitclock.ini";
}

std::filesystem::path E2eSession::AutostartEntry() const
{
    return ConfigHome() / "autostart" / "zitklok.desktop";
}

// ---- files ----

std::string E2eSession::ReadLog() const
{
    return ReadWhole(LogPath());
}

std::string E2eSession::ReadSettings() const
{
    return ReadWhole(SettingsPath());
}

std::string E2eSession::Setting(const std::string &section, const std::string &key) const
{
    std::stringstream lines(ReadSettings());
    std::string current;
    for (std::string line; std::getline(lines, line);) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
            current = line.substr(1, line.size() - 2);
            continue;
        }
        const auto eq = line.find('=');
        if (current != section || eq == std::string::npos || line.substr(0, eq) != key)
            continue;
        std::string value = line.substr(eq + 1);
        if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
            value = value.substr(1, value.size() - 2);
        return value;
    }
    return {};
}

void E2eSession::WriteSettings(const std::string &iniText) const
{
    std::filesystem::create_directories(SettingsPath().parent_path());
    std::ofstream out(SettingsPath(), std::ios::binary | std::ios::trunc);
    out << iniText;
}

// ---- processes ----

pid_t E2eSession::Spawn(const std::string &name, const std::vector<std::string> &argv,
                        const std::vector<std::string> &env)
{
    Child child;
    child.name = name;
    child.output = Home() / (name + "-" + std::to_string(++m_started) + ".out");

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, child.output.c_str(),
                                     O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_adddup2(&actions, 1, 2);
    std::vector<std::string> args = argv;
    std::vector<std::string> environment = env;
    std::vector<char *> argp = Pointers(args);
    std::vector<char *> envp = Pointers(environment);
    pid_t pid = -1;
    const int error =
        posix_spawnp(&pid, args[0].c_str(), &actions, nullptr, argp.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    if (error != 0) {
        ADD_FAILURE() << "cannot start " << Joined(argv) << ": " << std::strerror(error);
        return -1;
    }
    m_children.emplace(pid, child);
    return pid;
}

std::vector<std::string> E2eSession::ProgramEnvironment() const
{
    std::map<std::string, std::string> vars;
    for (char **e = environ; *e; ++e) {
        const std::string entry = *e;
        const auto eq = entry.find('=');
        if (eq != std::string::npos)
            vars[entry.substr(0, eq)] = entry.substr(eq + 1);
    }
    vars["HOME"] = Home().string();
    vars["XDG_CONFIG_HOME"] = ConfigHome().string();
    vars["XDG_RUNTIME_DIR"] = (Home() / "runtime").string();
    vars["QT_QPA_PLATFORM"] = "xcb";
    // Qt and Xlib keep allocations to the end; only real errors should stop a run.
    vars["ASAN_OPTIONS"] = "detect_leaks=0";
    // The tray must be trayer's, not a desktop's status-notifier service.
    vars.erase("DBUS_SESSION_BUS_ADDRESS");
    // An X11 session of its own, also when the tests run inside a Wayland desktop.
    vars.erase("WAYLAND_DISPLAY");
    vars.erase("XDG_SESSION_TYPE");
    for (const auto &[name, value] : m_extraEnv)
        vars[name] = value;
    std::vector<std::string> env;
    for (const auto &[name, value] : vars)
        env.push_back(name + "=" + value);
    return env;
}

void E2eSession::StartTray()
{
    m_tray = Spawn("trayer",
                   {"trayer", "--edge", "top", "--align", "right", "--widthtype", "request",
                    "--height", "24", "--transparent", "false", "--SetDockType", "true"},
                   ProgramEnvironment());
    if (m_tray < 0)
        return;
    WaitFor("trayer's panel", [this] { return !VisibleWindows("^panel$").empty(); });
}

void E2eSession::SetProgramEnv(const std::string &name, const std::string &value)
{
    m_extraEnv[name] = value;
}

E2eSession::Started E2eSession::StartUpToStartWindow()
{
    StartTray();
    Started started;
    started.program = StartProgram();
    if (started.program <= 0)
        return started;
    started.startWindow = WaitForWindow(kStartWindowTitle);
    if (started.startWindow == 0)
        ADD_FAILURE() << "the program wrote: " << ProgramOutput(started.program);
    return started;
}

pid_t E2eSession::StartProgram()
{
    return Spawn("zitklok", {Program().string()}, ProgramEnvironment());
}

bool E2eSession::Reap(pid_t pid, bool block)
{
    auto it = m_children.find(pid);
    if (it == m_children.end())
        return true;
    if (it->second.ended)
        return true;
    int status = 0;
    const pid_t done = ::waitpid(pid, &status, block ? 0 : WNOHANG);
    if (done == pid || (done < 0 && errno == ECHILD)) {
        it->second.ended = true;
        it->second.status = status;
        return true;
    }
    return false;
}

bool E2eSession::Running(pid_t pid)
{
    return !Reap(pid, false);
}

int E2eSession::WaitForExit(pid_t pid, Millis timeout)
{
    if (!m_children.count(pid)) {
        ADD_FAILURE() << "process " << pid << " was not started by this session";
        return -1;
    }
    if (!WaitFor(
            "process " + std::to_string(pid) + " (" + m_children[pid].name + ") to end",
            [&] { return !Running(pid); }, timeout))
        return -1;
    return ExitCodeOf(m_children[pid].status);
}

int E2eSession::Terminate(pid_t pid, Millis timeout)
{
    if (Running(pid))
        ::kill(pid, SIGTERM);
    return WaitForExit(pid, timeout);
}

int E2eSession::Kill(pid_t pid)
{
    if (Running(pid))
        ::kill(pid, SIGKILL);
    return WaitForExit(pid, 10s);
}

std::string E2eSession::ProgramOutput(pid_t pid) const
{
    auto it = m_children.find(pid);
    return it == m_children.end() ? std::string() : ReadWhole(it->second.output);
}

void E2eSession::EndAll()
{
    // The program first, the tray last: a tray that goes first would make a
    // still running program fall back to its no-tray behaviour.
    std::vector<pid_t> order;
    for (const auto &[pid, child] : m_children)
        if (pid != m_tray)
            order.push_back(pid);
    if (m_tray > 0)
        order.push_back(m_tray);
    for (pid_t pid : order) {
        if (!Running(pid))
            continue;
        ::kill(pid, SIGTERM);
        const auto until = Clock::now() + 5s;
        while (Running(pid) && Clock::now() < until)
            std::this_thread::sleep_for(20ms);
        if (Running(pid)) {
            ::kill(pid, SIGKILL);
            Reap(pid, true);
        }
    }
}

CommandResult E2eSession::Run(const std::vector<std::string> &argv, Millis timeout) const
{
    CommandResult result;
    int out[2];
    int err[2];
    if (::pipe2(out, O_CLOEXEC) != 0 || ::pipe2(err, O_CLOEXEC) != 0) {
        ADD_FAILURE() << "no pipe for " << Joined(argv);
        return result;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_adddup2(&actions, out[1], 1);
    posix_spawn_file_actions_adddup2(&actions, err[1], 2);
    std::vector<std::string> args = argv;
    std::vector<char *> argp = Pointers(args);
    pid_t pid = -1;
    const int error = posix_spawnp(&pid, args[0].c_str(), &actions, nullptr, argp.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    ::close(out[1]);
    ::close(err[1]);
    if (error != 0) {
        ::close(out[0]);
        ::close(err[0]);
        ADD_FAILURE() << "cannot run " << Joined(argv) << ": " << std::strerror(error);
        return result;
    }

    std::string errors;
    const auto until = Clock::now() + timeout;
    pollfd fds[2] = {{out[0], POLLIN, 0}, {err[0], POLLIN, 0}};
    int open = 2;
    bool late = false;
    while (open > 0) {
        const auto left = std::chrono::duration_cast<Millis>(until - Clock::now()).count();
        if (left <= 0) {
            late = true;
            break;
        }
        if (::poll(fds, 2, static_cast<int>(left)) < 0 && errno != EINTR)
            break;
        for (int i = 0; i < 2; ++i) {
            if (fds[i].fd < 0 || fds[i].revents == 0)
                continue;
            char buffer[4096];
            const ssize_t n = ::read(fds[i].fd, buffer, sizeof buffer);
            if (n > 0) {
                (i == 0 ? result.out : errors).append(buffer, static_cast<std::size_t>(n));
            } else {
                ::close(fds[i].fd);
                fds[i].fd = -1;
                --open;
            }
        }
    }
    for (pollfd &fd : fds)
        if (fd.fd >= 0)
            ::close(fd.fd);
    if (late)
        ::kill(pid, SIGKILL);
    int status = 0;
    ::waitpid(pid, &status, 0);
    result.exitCode = late ? -1 : ExitCodeOf(status);
    if (late)
        ADD_FAILURE() << Joined(argv) << " did not end within " << timeout.count() << " ms";
    if (!errors.empty() && result.exitCode != 0)
        result.out += errors;
    return result;
}

// ---- windows and input ----

std::string E2eSession::Xdotool(const std::vector<std::string> &args) const
{
    std::vector<std::string> argv{"xdotool"};
    argv.insert(argv.end(), args.begin(), args.end());
    CommandResult r = Run(argv);
    if (r.exitCode != 0)
        ADD_FAILURE() << Joined(argv) << " exited with " << r.exitCode << ": " << r.out;
    return r.out;
}

std::vector<WindowId> E2eSession::VisibleWindows(const std::string &titlePattern) const
{
    // xdotool's search ends with 1 when nothing matches: not a failure here.
    CommandResult r = Run({"xdotool", "search", "--onlyvisible", "--name", titlePattern});
    std::vector<WindowId> windows;
    std::stringstream ids(r.exitCode == 0 ? r.out : std::string());
    for (std::string id; ids >> id;)
        windows.push_back(std::stoul(id));
    return windows;
}

WindowId E2eSession::WaitForWindow(const std::string &titlePattern, Millis timeout)
{
    std::vector<WindowId> found;
    if (!WaitFor(
            "one visible window titled /" + titlePattern + "/",
            [&] {
                found = VisibleWindows(titlePattern);
                return found.size() == 1;
            },
            timeout))
        return 0;
    return found.front();
}

bool E2eSession::WaitForNoWindow(const std::string &titlePattern, Millis timeout)
{
    return WaitFor(
        "no visible window titled /" + titlePattern + "/",
        [&] { return VisibleWindows(titlePattern).empty(); }, timeout);
}

std::string E2eSession::WindowTitle(WindowId window) const
{
    std::string title = Xdotool({"getwindowname", std::to_string(window)});
    while (!title.empty() && (title.back() == '\n' || title.back() == '\r'))
        title.pop_back();
    return title;
}

Geometry E2eSession::WindowGeometry(WindowId window) const
{
    Geometry g;
    std::stringstream lines(Xdotool({"getwindowgeometry", "--shell", std::to_string(window)}));
    for (std::string line; std::getline(lines, line);) {
        const auto eq = line.find('=');
        if (eq == std::string::npos)
            continue;
        const std::string name = line.substr(0, eq);
        const int value = std::atoi(line.c_str() + eq + 1);
        if (name == "X")
            g.x = value;
        else if (name == "Y")
            g.y = value;
        else if (name == "WIDTH")
            g.width = value;
        else if (name == "HEIGHT")
            g.height = value;
    }
    return g;
}

void E2eSession::Click(WindowId window, int x, int y) const
{
    Xdotool({"mousemove", "--window", std::to_string(window), std::to_string(x), std::to_string(y),
             "click", "1"});
}

bool E2eSession::Focus(WindowId window)
{
    Xdotool({"windowfocus", std::to_string(window)});
    return WaitFor("the keyboard focus on window " + std::to_string(window), [&] {
        CommandResult r = Run({"xdotool", "getwindowfocus"});
        return r.exitCode == 0 && std::strtoul(r.out.c_str(), nullptr, 10) == window;
    });
}

void E2eSession::Type(const std::string &text) const
{
    Xdotool({"type", "--delay", "30", text});
}

void E2eSession::Key(const std::string &keys) const
{
    Xdotool({"key", "--delay", "30", keys});
}

void E2eSession::MovePointer(int x, int y) const
{
    Xdotool({"mousemove", std::to_string(x), std::to_string(y)});
}

void E2eSession::ClickTrayIcon()
{
    // The icon is a little window of the program that trayer embeds in its
    // panel; it is found by its class and by lying inside the panel.
    const WindowId panel = WaitForWindow("^panel$");
    if (panel == 0)
        return;
    Geometry icon;
    const bool embedded = WaitFor("the program's icon in trayer's panel", [&] {
        const Geometry p = WindowGeometry(panel);
        CommandResult r = Run({"xdotool", "search", "--onlyvisible", "--classname", "^zitklok$"});
        std::stringstream ids(r.exitCode == 0 ? r.out : std::string());
        for (std::string id; ids >> id;) {
            const Geometry g = WindowGeometry(std::stoul(id));
            if (g.x >= p.x && g.y >= p.y && g.x + g.width <= p.x + p.width &&
                g.y + g.height <= p.y + p.height && g.width > 1) {
                icon = g;
                return true;
            }
        }
        return false;
    });
    if (!embedded)
        return;
    Xdotool({"mousemove", std::to_string(icon.x + icon.width / 2),
             std::to_string(icon.y + icon.height / 2), "click", "1"});
}

void E2eSession::Screenshot(const std::string &name) const
{
    const std::filesystem::path folder = ZITKLOK_E2E_SHOTS;
    std::filesystem::create_directories(folder);
    const std::string file = (folder / (name + ".png")).string();
    CommandResult r = Run({"import", "-window", "root", file}, 30s);
    if (r.exitCode != 0)
        ADD_FAILURE() << "screenshot " << file << " failed: " << r.out;
}

// ---- waiting ----

bool E2eSession::WaitFor(const std::string &what, const std::function<bool()> &done, Millis timeout)
{
    const auto start = Clock::now();
    const auto until = start + timeout;
    while (Clock::now() < until) {
        if (done())
            return true;
        std::this_thread::sleep_for(50ms);
    }
    if (done())
        return true;
    ADD_FAILURE() << "timed out after " << timeout.count() << " ms waiting for " << what;
    return false;
}

} // namespace zk::e2e
