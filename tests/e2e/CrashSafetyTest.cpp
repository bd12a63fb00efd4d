// What a crash, a full disk or a damaged file does to the log of the real
// program: nothing that was written before may be lost or changed.

#include "E2eSession.h"
#include "LogRecords.h"

#include "activity_log/Golden.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <cstdint>
#include <ctime>
#include <vector>
#include <string>
#include <thread>

#include <sys/resource.h>

namespace zk::e2e {
namespace {

using zk::test::GoldenRecord;
using zk::test::StoredDescription;
using zk::test::WriteFileBytes;

constexpr std::size_t kRecord = 148;
const char kMessageBox[] = "^Sitclock$"; // the program's name in English, its language here

// The first user's button of the start window.
void ClickFirstUser(E2eSession &s, WindowId start)
{
    s.Click(start, 84, 32);
}

std::string Stretch(int day, const std::string &who)
{
    return GoldenRecord({2024, 3, day, 9, 0, 0, 2024, 3, day, 10, 30, 0}, StoredDescription(who));
}

// The program inherits the file-size limit of its starter; this lowers it
// around the start only, so the test's own files are not held to it.
class FileSizeLimitForChildren
{
public:
    explicit FileSizeLimitForChildren(rlim_t bytes)
    {
        m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        ::getrlimit(RLIMIT_FSIZE, &m_old);
        rlimit tight = m_old;
        tight.rlim_cur = bytes;
        m_ok = ::setrlimit(RLIMIT_FSIZE, &tight) == 0;
    }
    ~FileSizeLimitForChildren()
    {
        ::setrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, m_oldHandler);
    }
    bool Ok() const { return m_ok; }

private:
    rlimit m_old{};
    void (*m_oldHandler)(int) = SIG_DFL;
    bool m_ok = false;
};

TEST(CrashSafety, KillDuringAStretchKeepsEveryRecordAndTheLastMinuteTick)
{
    E2eSession s;
    if (auto why = E2eSession::WhyNotPossible(); !why.empty())
        GTEST_SKIP() << why;
    s.WriteSettings("[Edit]\nUsers=Anna|Bob\n");
    const std::string earlier = Stretch(4, "Anna") + Stretch(5, "Idle");
    WriteFileBytes(s.LogPath().string(), earlier);
    const auto [first, start] = s.StartUpToStartWindow();
    ASSERT_GT(first, 0);
    ASSERT_NE(start, 0u);
    ClickFirstUser(s, start);
    ASSERT_TRUE(E2eSession::WaitFor("the new stretch's record",
                                    [&] { return s.ReadLog().size() == 3 * kRecord; }));
    const std::time_t begun = LogRecord::Parse(s.ReadLog()).at(2).StartTime();

    // The minute timer moves the running record's end; kill well after one tick.
    ASSERT_TRUE(E2eSession::WaitFor(
        "a minute tick on the running record",
        [&] {
            const std::vector<LogRecord> records = LogRecord::Parse(s.ReadLog());
            return records.size() == 3 && records[2].EndTime() > begun;
        },
        80s));
    std::this_thread::sleep_for(5s);
    s.Kill(first);
    const std::time_t killed = std::time(nullptr);

    const std::string afterKill = s.ReadLog();
    ASSERT_EQ(afterKill.size(), 3 * kRecord);
    EXPECT_EQ(afterKill.substr(0, earlier.size()), earlier);
    const LogRecord running = LogRecord::Parse(afterKill).at(2);
    EXPECT_EQ(running.Description(), "Anna");
    const std::time_t end = running.EndTime();
    EXPECT_LE(end, killed);
    EXPECT_LE(killed - end, 61) << "the running record's end lags the kill by more than a tick";

    // The next start runs no stretch and leaves the log as the kill left it.
    const pid_t second = s.StartProgram();
    ASSERT_GT(second, 0);
    ASSERT_NE(s.WaitForWindow(E2eSession::kStartWindowTitle), 0u);
    EXPECT_EQ(s.ReadLog(), afterKill);
    EXPECT_EQ(s.Terminate(second), 0) << s.ProgramOutput(second);
    EXPECT_EQ(s.ReadLog(), afterKill);
}

TEST(CrashSafety, WriteStoppedByTheFileSizeLimitIsShownAndLosesNothing)
{
    E2eSession s;
    if (auto why = E2eSession::WhyNotPossible(); !why.empty())
        GTEST_SKIP() << why;
    s.WriteSettings("[Edit]\nUsers=Anna|Bob\n");
    std::string full;
    for (int i = 0; i < 300; ++i)
        full += Stretch(1 + i % 28, i % 3 == 2 ? "Idle" : "Bob");
    WriteFileBytes(s.LogPath().string(), full);
    s.StartTray();
    pid_t pid = -1;
    {
        // Room for part of one more record only: the next append fails half-way.
        FileSizeLimitForChildren limit(full.size() + 60);
        ASSERT_TRUE(limit.Ok());
        pid = s.StartProgram();
    }
    ASSERT_GT(pid, 0);
    const WindowId start = s.WaitForWindow(E2eSession::kStartWindowTitle);
    ASSERT_NE(start, 0u);
    ClickFirstUser(s, start);

    const WindowId box = s.WaitForWindow(kMessageBox);
    ASSERT_NE(box, 0u) << s.ProgramOutput(pid);
    s.Screenshot("crash-safety-file-too-large");
    EXPECT_TRUE(s.Running(pid));
    EXPECT_EQ(s.ReadLog(), full);

    ASSERT_TRUE(s.Focus(box));
    s.Key("Return");
    EXPECT_TRUE(s.WaitForNoWindow(kMessageBox));
    std::this_thread::sleep_for(2s);
    EXPECT_TRUE(s.Running(pid)) << s.ProgramOutput(pid);
    EXPECT_EQ(s.ReadLog(), full);
}

TEST(CrashSafety, DamagedLogsOpenAndChangeOnlyWhereANewStretchGoes)
{
    std::string garbage;
    std::uint32_t seed = 148;
    for (int i = 0; i < 400; ++i) {
        seed = seed * 1103515245u + 12345u;
        garbage.push_back(static_cast<char>(seed >> 16));
    }
    const std::string two = Stretch(4, "Anna") + Stretch(5, "Bob");
    const struct
    {
        const char *name;
        std::string bytes;
    } cases[] = {
        {"cut-off-below-half", two + std::string(70, '\x11')},  // counts 2 records
        {"cut-off-above-half", two + std::string(100, '\x22')}, // counts 3 records
        {"garbage", garbage},
    };

    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        E2eSession s;
        if (auto why = E2eSession::WhyNotPossible(); !why.empty())
            GTEST_SKIP() << why;
        s.WriteSettings("[Edit]\nUsers=Anna|Bob\n");
        WriteFileBytes(s.LogPath().string(), c.bytes);
        const auto [pid, start] = s.StartUpToStartWindow();
        ASSERT_GT(pid, 0);
        ASSERT_NE(start, 0u);
        EXPECT_EQ(s.ReadLog(), c.bytes) << "opening changed the log";

        // The count rounds half to even; the new stretch is the record after it.
        const std::size_t whole = c.bytes.size() / kRecord;
        const std::size_t rest = c.bytes.size() % kRecord;
        const std::size_t count =
            whole + (2 * rest > kRecord || (2 * rest == kRecord && whole % 2 == 1) ? 1 : 0);
        const std::size_t newAt = count * kRecord;
        ClickFirstUser(s, start);
        ASSERT_TRUE(E2eSession::WaitFor("the new stretch's record", [&] {
            return s.ReadLog().size() >= newAt + kRecord;
        })) << s.ProgramOutput(pid);

        // The log list shows what it can read.
        s.ClickTrayIcon();
        EXPECT_NE(s.WaitForWindow("^Sitclock version"), 0u) << s.ProgramOutput(pid);
        s.Screenshot(std::string("crash-safety-damaged-") + c.name);
        EXPECT_TRUE(s.Running(pid)) << s.ProgramOutput(pid);
        EXPECT_EQ(s.Terminate(pid), 0) << s.ProgramOutput(pid);

        const std::string after = s.ReadLog();
        ASSERT_GE(after.size(), c.bytes.size()) << "the log was shortened";
        const std::size_t kept = std::min(newAt, c.bytes.size());
        EXPECT_EQ(after.substr(0, kept), c.bytes.substr(0, kept));
        if (c.bytes.size() > newAt + kRecord) {
            EXPECT_EQ(after.substr(newAt + kRecord, c.bytes.size() - newAt - kRecord),
                      c.bytes.substr(newAt + kRecord));
        }
        EXPECT_EQ(after.substr(newAt + LogRecord::kDescriptionOffset, LogRecord::kDescriptionSize),
                  LogRecord::StoredDescription("Anna"));
    }
}

} // namespace
} // namespace zk::e2e
