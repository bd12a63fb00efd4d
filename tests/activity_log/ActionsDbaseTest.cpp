#include "StoreFixture.h"

#include "activity_log/LogArchive.h"
#include "activity_log/Module4.h"
#include "time/OverflowError.h"

#include <atomic>
#include <chrono>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <thread>

#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

using namespace zk::test;
using namespace ::testing;

// The system's syncs, counted once done: a file's data (fdatasync, on the store's own
// thread, slow on request) and a folder's names (fsync).
static std::atomic<int> dataSyncsBegun = 0;
static std::atomic<int> dataSyncs = 0;
static std::atomic<int> folderSyncs = 0;
static std::atomic<bool> dataSyncsFail = false;
static std::atomic<bool> dataSyncsSlow = false;
extern "C" int fdatasync(int fd)
{
    ++dataSyncsBegun;
    if (dataSyncsSlow)
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    const int result = dataSyncsFail ? -1 : static_cast<int>(::syscall(SYS_fdatasync, fd));
    if (dataSyncsFail)
        errno = EIO;
    ++dataSyncs;
    return result;
}
extern "C" int fsync(int fd)
{
    ++folderSyncs;
    return static_cast<int>(::syscall(SYS_fsync, fd));
}

// Every field at its place in the layout, the description cut at 100 bytes, and read back.
TEST_F(Store, WritesTheLayoutByteForByteAndReadsItBack)
{
    const std::vector<LogRecord> rows = {
        {{2002, 12, 4, 9, 5, 3}, {2002, 12, 4, 10, 0, 0}, "Anna"},
        {{2001, 12, 31, 23, 59, 50}, {2002, 1, 1, 0, 0, 10}, ""},
        {{0, 0, 0, 0, 0, 0}, {-1, 2147483647, -2147483647 - 1, 1, 2, 3}, std::string(99, 'x')},
        {{2026, 12, 6, 8, 0, 0}, {2026, 12, 6, 8, 30, 0}, "Piet  "},
        {{2026, 12, 6, 9, 0, 0}, {2026, 12, 6, 9, 10, 0}, "caf\xE9 \x80\xFF\x01"},
        {{1, 2, 3, 4, 5, 6}, {7, 8, 9, 10, 11, 12}, std::string(100, 'a') + "bb"},
    };
    db.OpenFile(path);
    for (const LogRecord &r : rows)
        Append(r);
    EXPECT_EQ(File(), Bytes(rows));
    for (std::size_t nr = rows.size(); nr >= 1; --nr) {
        db.RecordNr(static_cast<std::int32_t>(nr));
        EXPECT_EQ(db.Description(), rows[nr - 1].description.substr(0, 100)) << nr;
    }
    EXPECT_EQ(db.StartTimeAsString(), "9:5:3");
}

// The times of each record as read from the file, after a correction of its end.
TEST_F(Store, TimesOfARecord)
{
    struct Case
    {
        DateTime start;
        DateTime end;
        std::int32_t add; // seconds added to the end
        const char *endText;
        const char *days;
        std::int32_t elapsed;
    };
    const Case rows[] = {
        {.start = {2001, 12, 31, 23, 59, 0}, .end = {2001, 12, 31, 23, 59, 50}, .add = 20,
         .endText = "0:0:10", .days = "31 dec - 1 jan", .elapsed = 70},
        {.start = {2004, 3, 1, 0, 0, 0}, .end = {2004, 3, 1, 0, 0, 30}, .add = -60,
         .endText = "23:59:30", .days = "1 mrt - 29 feb", .elapsed = -30},
        {.start = {2026, 12, 6, 8, 0, 0}, .end = {2026, 12, 6, 8, 0, 0}, .add = 0,
         .endText = "8:0:0", .days = "Vandaag", .elapsed = 0},
        {.start = {0, 0, 0, 0, 0, 0}, .end = {2026, 12, 6, 8, 0, 0}, .add = 0,
         .endText = "8:0:0", .days = "Ongeldige dag - Vandaag", .elapsed = 0},
    };
    for (const auto &row : rows)
        WriteFileBytes(path, File() + Bytes({{row.start, row.end, ""}}));
    db.OpenFile(path);
    for (std::int32_t nr = 1; const auto &row : rows) {
        SCOPED_TRACE(row.days);
        db.RecordNr(nr++);
        db.AddToEndTime(row.add);
        EXPECT_EQ(db.EndTimeAsString(), row.endText);
        EXPECT_EQ(db.StartDateAndEndDateAsString(), row.days);
        EXPECT_EQ(db.ElapsedSeconds(), row.elapsed);
        EXPECT_EQ(db.ValidStartAndValidEndTime(), row.start[0] != 0);
    }
}

// A record cut short reads what is there, the missing bytes as zeros; the file stays as it was.
TEST_F(Store, DamagedFilesOpenAreNeverShortenedAndCountHalfToEven)
{
    const std::string rec = Record(6, "Anna");
    for (auto [length, count] : {std::pair{370u, 2}, {518u, 4}, {74u, 0}, {75u, 1}, {222u, 2},
                                 {1u, 0}, {147u, 1}, {148u, 1}, {296u, 2}}) {
        SCOPED_TRACE(length);
        const std::string bytes = (rec + rec + rec + rec).substr(0, length);
        WriteFileBytes(path, bytes);
        db.OpenFile(path);
        EXPECT_EQ(db.RecordCount(), count);
        for (std::int32_t nr = count + 1; nr >= 1; --nr) {
            db.RecordNr(nr);
            const bool named = length >= 148u * static_cast<unsigned>(nr - 1) + 52;
            EXPECT_EQ(db.Description().substr(0, 4), named ? "Anna" : "") << nr;
        }
        db.CloseFile();
        EXPECT_EQ(File(), bytes);
    }
    EXPECT_EQ(db.TakeDamagedCopy(), ""); // reading alone copies nothing
    // Another program's ragged append is seen at once; the next record goes after it, once the
    // whole log is copied aside under the day's first free name.
    WriteFileBytes(path, rec);
    WriteFileBytes(dir.File("actions-damaged-2026-12-06.dat"), "earlier");
    db.OpenFile(path);
    std::ofstream(path, std::ios::binary | std::ios::app) << std::string(80, 'G');
    const LogRecord x{{1, 1, 1, 1, 1, 1}, {1, 1, 1, 1, 1, 1}, "x"};
    Append(x);
    Append(x);
    EXPECT_EQ(File(), rec + std::string(80, 'G') + std::string(68, '\0') + Bytes({x, x}));
    const std::string copy = dir.File("actions-damaged-2026-12-06-2.dat");
    EXPECT_EQ(db.TakeDamagedCopy(), copy);
    EXPECT_EQ(db.TakeDamagedCopy(), "");
    EXPECT_EQ(ReadFileBytes(copy), rec + std::string(80, 'G'));
    EXPECT_EQ(ReadFileBytes(dir.File("actions-damaged-2026-12-06.dat")), "earlier");
}

// A record is on disk once written: a new one, the minute tick's end time, a description; a full
// log's new name and its new log are too, through their folder.
TEST_F(Store, EveryWriteIsPutOnDisk)
{
    db.OpenFile(path);
    dataSyncs = 0;
    folderSyncs = 0;
    dataSyncsBegun = 0;
    dataSyncsSlow = true;
    Append({{2026, 12, 6, 9, 0, 0}, {2026, 12, 6, 9, 0, 0}, "Anna"});
    while (dataSyncsBegun == 0)
        std::this_thread::yield(); // a wait that comes while the sync runs waits for its end
    db.WaitUntilOnDisk();
    EXPECT_EQ(dataSyncs, 1);
    db.RecordNr(1);
    db.AddToEndTime(60);
    db.Flush();
    db.WaitUntilOnDisk();
    EXPECT_EQ(dataSyncs, 2);
    zk::LogArchive::StartNewLog(db, {2026, 12, 6, 9, 1, 0});
    EXPECT_EQ(folderSyncs, 1);
    dataSyncsFail = true; // told by the next wait, write or close
    db.Description("Anna homework");
    db.Flush();
    EXPECT_THROW(db.WaitUntilOnDisk(), zk::FileError);
    dataSyncsFail = false;
    db.Description("Anna drawing");
    db.CloseFile(); // waits for the last write's sync
    EXPECT_EQ(dataSyncs, 4);
    dataSyncsSlow = false;
}

TEST_F(Store, ErrorsNameThePathAndLeaveTheStoreAsItWas)
{
    const std::string bad = dir.File("missing/actions.dat");
    EXPECT_THAT([&] { db.OpenFile(bad); }, ThrowsMessage<zk::FileError>(HasSubstr(bad)));
    EXPECT_FALSE(db.IsOpen());
    db.OpenFile(path);
    EXPECT_THROW(db.RecordNr(40000), zk::OverflowError);
    EXPECT_EQ(db.RecordNr(), 1);
    EXPECT_THROW(db.RecordNr(0), zk::FileError);
    db.RecordNr(32767); // the last record number the log can hold
    clsActionsDbase reader;
    EXPECT_THROW(reader.OpenReadOnly(dir.File("absent.dat")), zk::FileError);
    reader.OpenReadOnly(path);
    reader.RecordNr(1);
    reader.Description("x");
    EXPECT_THAT([&] { reader.Flush(); }, ThrowsMessage<zk::FileError>(HasSubstr("reading only")));
    EXPECT_STREQ(zk::FileError(zk::FileError::Kind::Read, "/a.dat", 0).what(),
                 "Cannot read the activity log \"/a.dat\""); // no record, no reason: none named
    // Texts of 32767 bytes or more are refused, not scrambled in part.
    EXPECT_THROW(EncryptText(std::string(32767, 'a')), zk::OverflowError);
    EXPECT_THROW(DecryptText(std::string(32767, 'a')), zk::OverflowError);
}

// Past a lowered file-size limit a write fails with EFBIG, as it does on a full disk: the
// half-written record goes, and the stretch stays buffered until there is room.
TEST_F(Store, AnAppendStoppedHalfWayLeavesTheFileAsItWas)
{
    const std::string before = Record(4, "Jan") + Record(5, "Idle");
    const LogRecord next{{2024, 3, 4, 11, 0, 0}, {2024, 3, 4, 11, 0, 0}, "Jan"};
    WriteFileBytes(path, before);
    db.OpenFile(path);
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit old{};
    ::getrlimit(RLIMIT_FSIZE, &old);
    rlimit tight{before.size() + 60, old.rlim_max};
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &tight), 0);
    EXPECT_THAT([&] { Append(next); },
                ThrowsMessage<zk::FileError>(HasSubstr(
                    "record 3 of the activity log \"" + path + "\": File too large")));
    EXPECT_EQ(File(), before);
    ::setrlimit(RLIMIT_FSIZE, &old);
    db.CloseFile();
    EXPECT_EQ(File(), before + Bytes({next}));
}

// A full log goes aside as the day's first free archive, its buffered record in it, beside a
// new empty log. Archives sort by date, then number; other names beside the log are none.
TEST_F(Store, AFullLogGoesAsideUnderTheFirstFreeName)
{
    for (const char *name : {"actions-2026-10-09-12.dat", "actions-2026-09-30.dat", "other.dat",
                             "actions-2026-10-09.dat", "actions-2026-10-09-1.dat",
                             "actions-2026-10-09-x.dat", "actions-2026-1x-09.dat",
                             "actions-2026-10x09.dat", "actions_2026-10-10.dat",
                             "actions-2026-10-09-123456789.dat", "actions-2026-10-09-1234567890.dat"})
        WriteFileBytes(dir.File(name), "earlier");
    std::filesystem::create_directory(dir.File("actions-2026-10-11.dat"));
    WriteFileBytes(path, Record(1, "Anna"));
    db.OpenFile(path);
    db.RecordNr(2);
    db.Description("Idle");
    EXPECT_EQ(zk::LogArchive::StartNewLog(db, {2026, 10, 9, 9, 0, 0}),
              dir.File("actions-2026-10-09-2.dat"));
    EXPECT_EQ(db.RecordCount(), 0);
    EXPECT_EQ(File(), "");
    std::vector<std::string> archives;
    for (const char *day : {"09-30", "10-09", "10-09-2", "10-09-12", "10-09-123456789"})
        archives.push_back(dir.File("actions-2026-" + std::string(day) + ".dat"));
    EXPECT_EQ(zk::LogArchive::Beside(path), archives);
    EXPECT_EQ(ReadFileBytes(archives[1]) + ReadFileBytes(archives[2]),
              "earlier" + Record(1, "Anna") + Bytes({{{}, {}, "Idle"}}));
}
