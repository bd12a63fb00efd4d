#include "StoreFixture.h"

#include "activity_log/LogArchive.h"
#include "activity_log/clsActionsDbase.h"
#include "platform/Clock.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

using namespace zk::test;

namespace {
std::string Record(std::int32_t day, const std::string &text)
{
    return Bytes({{{2026, 12, day, 9, 0, 0}, {2026, 12, day, 10, 0, 0}, text}});
}
} // namespace

// Another program's appends and rewrites are seen at once, and the next
// append goes after them instead of over them.
TEST(FullLog, TheStoreReadsTheFileNotACopy)
{
    TempDir dir;
    const std::string path = dir.File("actions.dat");
    WriteFileBytes(path, Record(1, "Anna"));
    clsActionsDbase db;
    db.OpenFile(path);
    std::ofstream(path, std::ios::binary | std::ios::app) << Record(2, "Piet");
    std::fstream(path, std::ios::binary | std::ios::in | std::ios::out) << Record(3, "Jan");
    EXPECT_EQ(db.RecordCount(), 2);
    db.RecordNr(1);
    EXPECT_EQ(db.Description(), "Jan");
    db.RecordNr(3);
    db.Description("Idle");
    db.RecordNr(1);
    EXPECT_EQ(ReadFileBytes(path),
              Record(3, "Jan") + Record(2, "Piet") +
                  RecordBytes({}, {}, Stored("Idle")));
}

// Archives by date, then number; other names beside the log are no archives.
TEST(FullLog, ArchiveNamesAndTheirOrder)
{
    TempDir dir;
    const std::string log = dir.File("actions.dat");
    const char *archives[] = {"actions-2026-12-06.dat", "actions-2026-12-06-2.dat",
                              "actions-2026-12-06-12.dat", "actions-2027-01-05.dat"};
    for (const char *name : {"actions-2026-12-06-x.dat", "other.dat", archives[3], archives[2],
                             archives[0], archives[1]})
        WriteFileBytes(dir.File(name), "");
    std::vector<std::string> expected;
    for (const char *name : archives)
        expected.push_back(dir.File(name));
    EXPECT_EQ(zk::LogArchive::Beside(log), expected);
}

// The cut stopped after each step: the full log whole, under its own name or
// as the archive beside a valid new log; an archive is never overwritten.
TEST(FullLog, ACutStoppedAtEveryStepLosesNothing)
{
    TempDir dir;
    const std::string log = dir.File("actions.dat");
    std::string full;
    for (int i = 0; i < 32767; ++i)
        full += Record(1 + i % 28, "Anna");
    WriteFileBytes(dir.File("actions-2026-12-06.dat"), "earlier");
    const zk::LocalDateTime now{2026, 12, 6, 9, 0, 0};

    WriteFileBytes(log, full); // stopped right after the rename
    EXPECT_EQ(zk::LogArchive::MoveAside(log, now), dir.File("actions-2026-12-06-2.dat"));
    EXPECT_FALSE(std::filesystem::exists(log));
    EXPECT_EQ(ReadFileBytes(dir.File("actions-2026-12-06-2.dat")), full);
    clsActionsDbase restarted;
    restarted.OpenFile(log);
    EXPECT_EQ(restarted.RecordCount(), 0);

    WriteFileBytes(log, full); // stopped before the first append
    clsActionsDbase db;
    db.OpenFile(log);
    EXPECT_EQ(zk::LogArchive::StartNewLog(db, now), dir.File("actions-2026-12-06-3.dat"));
    EXPECT_EQ(ReadFileBytes(dir.File("actions-2026-12-06-3.dat")), full);
    EXPECT_EQ(ReadFileBytes(log), "");
    EXPECT_EQ(ReadFileBytes(dir.File("actions-2026-12-06.dat")), "earlier");
}
