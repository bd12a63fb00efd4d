#include "Golden.h"

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
    return GoldenRecord({2026, 12, day, 9, 0, 0, 2026, 12, day, 10, 0, 0}, StoredDescription(text));
}

void Append(const std::string &path, const std::string &bytes)
{
    std::ofstream(path, std::ios::binary | std::ios::app) << bytes;
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
    Append(path, Record(2, "Piet"));
    std::fstream(path, std::ios::binary | std::ios::in | std::ios::out) << Record(3, "Jan");
    EXPECT_EQ(db.RecordCount(), 2);
    db.RecordNr(1);
    EXPECT_EQ(db.Description(), "Jan");
    db.RecordNr(2);
    EXPECT_EQ(db.Description(), "Piet");
    db.RecordNr(3);
    db.Description("Idle");
    db.RecordNr(1);
    EXPECT_EQ(ReadFileBytes(path),
              Record(3, "Jan") + Record(2, "Piet") +
                  GoldenRecord({0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}, StoredDescription("Idle")));
}

TEST(FullLog, ArchiveNamesAndTheirOrder)
{
    TempDir dir;
    const std::string log = dir.File("actions.dat");
    const struct
    {
        zk::LocalDateTime day;
        int number;
        const char *name;
    } rows[] = {
        {{2026, 12, 6}, 1, "actions-2026-12-06.dat"},
        {{2026, 12, 6}, 2, "actions-2026-12-06-2.dat"},
        {{2027, 1, 15}, 12, "actions-2027-01-15-12.dat"},
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(zk::LogArchive::Name(log, row.day, row.number), dir.File(row.name));
    }
    for (const char *name : {"actions-2027-01-15-12.dat", "actions-2026-12-06-2.dat", "actions.dat",
                             "actions-2026-12-06.dat", "actions-2026-12-06-x.dat", "other.dat"})
        WriteFileBytes(dir.File(name), "");
    EXPECT_EQ(zk::LogArchive::Beside(log),
              (std::vector<std::string>{dir.File("actions-2026-12-06.dat"),
                                        dir.File("actions-2026-12-06-2.dat"),
                                        dir.File("actions-2027-01-15-12.dat")}));
}

// The cut stopped after each of its steps: the full log whole under its own
// name, or whole as the archive beside a valid (empty) new log; an archive of
// the same day is never overwritten.
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
    EXPECT_EQ(db.RecordCount(), 0);
    EXPECT_EQ(ReadFileBytes(dir.File("actions-2026-12-06.dat")), "earlier");
}
