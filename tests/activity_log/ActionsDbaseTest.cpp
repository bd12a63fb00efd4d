#include "StoreFixture.h"

#include "activity_log/Module4.h"
#include "time/OverflowError.h"

#include <csignal>
#include <filesystem>

#include <sys/resource.h>

using namespace zk::test;
using Store = StoreFixture;

namespace {
const std::string kHigh = "caf\xE9 \x80\xFF\x01";
const std::string k120 = std::string(100, 'a') + std::string(20, 'b');
} // namespace

TEST_F(Store, WritesTheLayoutByteForByteAndReadsItBack)
{
    const std::vector<LogRecord> rows = {
        {{2002, 12, 4, 9, 5, 3}, {2002, 12, 4, 10, 0, 0}, "Anna"},
        {{2001, 12, 31, 23, 59, 50}, {2002, 1, 1, 0, 0, 10}, ""},
        {{0, 0, 0, 0, 0, 0}, {-1, 2147483647, -2147483647 - 1, 1, 2, 3}, std::string(99, 'x')},
        {{2026, 12, 6, 8, 0, 0}, {2026, 12, 6, 8, 30, 0}, "Piet  "},
        {{2026, 12, 6, 9, 0, 0}, {2026, 12, 6, 9, 10, 0}, kHigh},
    };
    db.OpenFile(path);
    EXPECT_TRUE(std::filesystem::exists(path));
    EXPECT_EQ(db.RecordCount(), 0);
    for (const LogRecord &r : rows)
        Append(r);
    Append({{1, 2, 3, 4, 5, 6}, {7, 8, 9, 10, 11, 12}, k120}); // cut at 100, no terminator
    db.CloseFile();
    EXPECT_EQ(File(), Bytes(rows) + RecordBytes({1, 2, 3, 4, 5, 6}, {7, 8, 9, 10, 11, 12},
                                                 EncryptText(k120.substr(0, 100))));
    db.OpenFile(path);
    EXPECT_EQ(db.RecordCount(), 6);
    for (std::int32_t nr = 6; nr >= 1; --nr) {
        SCOPED_TRACE(nr);
        db.RecordNr(nr);
        const LogRecord &r = nr <= 5 ? rows[static_cast<std::size_t>(nr - 1)] : LogRecord{};
        EXPECT_EQ(db.Description(), nr <= 5 ? r.description : k120.substr(0, 100));
        if (nr <= 5) {
            EXPECT_EQ(db.StartDateTimeSeconds(), r.start[5]);
            EXPECT_EQ(db.EndDateTimeYear(), r.end[0]);
            EXPECT_EQ(db.EndDateTimeDay(), r.end[2]);
        }
    }
    EXPECT_EQ(db.StartTimeAsString(), "9:5:3");
}

TEST_F(Store, BuffersOneRecordAndNotifiesEveryFieldSet)
{
    int changes = 0;
    auto c = db.Change.Connect([&] { ++changes; });
    db.OpenFile(path);
    db.RecordNr(1);
    db.SetStartTimeToNow();
    EXPECT_EQ(changes, 6);
    EXPECT_EQ(File(), ""); // changed only in the buffer
    db.SetEndTimeToNow();
    db.Description("Anna");
    db.Flush();
    db.RecordNr(1);
    db.CloseFile();
    db.OpenFile(path);
    EXPECT_EQ(changes, 13); // Flush, RecordNr, OpenFile and CloseFile send none
    EXPECT_EQ(File(), Bytes({{{2026, 12, 6, 9, 0, 0}, {2026, 12, 6, 9, 0, 0}, "Anna"}}));
}

TEST_F(Store, TimesOfARecord)
{
    const struct
    {
        DateTime start, end;
        std::int32_t add;
        const char *endText, *days;
        std::int32_t elapsed;
    } rows[] = {
        {{2001, 12, 31, 23, 59, 0}, {2001, 12, 31, 23, 59, 50}, 20, "0:0:10", "31 dec - 1 jan", 70},
        {{2004, 3, 1, 0, 0, 0}, {2004, 3, 1, 0, 0, 30}, -60, "23:59:30", "1 mrt - 29 feb", -30},
        {{2026, 12, 6, 8, 0, 0}, {2026, 12, 6, 8, 0, 0}, 0, "8:0:0", "Vandaag", 0},
        {{2026, 12, 5, 23, 0, 0}, {2026, 12, 6, 0, 30, 0}, 0, "0:30:0", "5 dec - Vandaag", 5400},
        {{2026, 11, 6, 8, 0, 0}, {2026, 12, 6, 8, 0, 0}, 0, "8:0:0", "6 nov - Vandaag", 2592000},
        {{2025, 12, 6, 8, 0, 0}, {2026, 12, 6, 8, 0, 0}, 0, "8:0:0", "6 dec - Vandaag", 31536000},
        {{0, 0, 0, 0, 0, 0}, {2026, 12, 6, 8, 0, 0}, 0, "8:0:0", "Ongeldige dag - Vandaag", 0},
    };
    db.OpenFile(path);
    db.RecordNr(1);
    for (const auto &row : rows) {
        SCOPED_TRACE(row.days);
        SetAll({row.start, row.end, ""});
        db.AddToEndTime(row.add);
        EXPECT_EQ(db.EndTimeAsString(), row.endText);
        EXPECT_EQ(db.StartDateAndEndDateAsString(), row.days);
        EXPECT_EQ(db.ElapsedSeconds(), row.elapsed);
        EXPECT_EQ(db.ValidStartAndValidEndTime(), row.start[0] != 0);
    }
}

// A listener that moves the cursor away and back inside a field set, as the log list does,
// must see the record as just written, and lose nothing.
TEST_F(Store, ListenersMayMoveTheCursorInsideAChange)
{
    db.OpenFile(path);
    Append({{2026, 12, 6, 8, 0, 0}, {2026, 12, 6, 8, 30, 0}, "Anna"});
    std::vector<std::string> seen;
    auto c = db.Change.Connect([&] {
        const std::int32_t saved = db.RecordNr();
        db.RecordNr(1);
        db.RecordNr(saved);
        seen.push_back(db.Description() + "@" + std::to_string(db.EndDateTimeMinute()));
    });
    db.RecordNr(2);
    db.Description("Bert");
    db.EndDateTimeMinute(45);
    db.RecordNr(1);
    EXPECT_EQ(seen, (std::vector<std::string>{"Bert@0", "Bert@45"}));
    EXPECT_EQ(Records(File()).at(1).description, "Bert");
    EXPECT_EQ(Records(File()).at(1).end[4], 45);
}

TEST_F(Store, DamagedFilesOpenAreNeverShortenedAndCountHalfToEven)
{
    const std::string rec = Bytes({{{2026, 12, 6, 8, 0, 0}, {2026, 12, 6, 8, 30, 0}, "Anna"}});
    for (auto [length, count] : {std::pair{370u, 2}, {518u, 4}, {74u, 0}, {75u, 1}, {222u, 2},
                                 {1u, 0}, {147u, 1}, {148u, 1}, {296u, 2}}) {
        SCOPED_TRACE(length);
        std::string bytes = rec + rec + rec + rec;
        bytes.resize(length, '\x7F');
        WriteFileBytes(path, bytes);
        clsActionsDbase store;
        store.OpenFile(path);
        EXPECT_EQ(store.RecordCount(), count);
        for (std::int32_t nr = count + 1; nr >= 1; --nr) {
            store.RecordNr(nr);
            // A record cut short reads what is there, the missing bytes as zeros.
            const bool named = length >= 148u * static_cast<unsigned>(nr - 1) + 52;
            EXPECT_EQ(store.Description().substr(0, 4), named ? "Anna" : "") << nr;
        }
        store.CloseFile();
        EXPECT_EQ(File(), bytes);
    }
    // A record past a ragged end is written at its own place, the ragged tail kept.
    WriteFileBytes(path, rec + std::string(80, 'G'));
    db.OpenFile(path);
    Append({{1, 1, 1, 1, 1, 1}, {1, 1, 1, 1, 1, 1}, "x"});
    EXPECT_EQ(File(), rec + std::string(80, 'G') + std::string(68, '\0') +
                          Bytes({{{1, 1, 1, 1, 1, 1}, {1, 1, 1, 1, 1, 1}, "x"}}));
}

TEST_F(Store, ErrorsNameThePathAndLeaveTheStoreAsItWas)
{
    EXPECT_THROW(db.RecordCount(), zk::FileError);
    EXPECT_THROW(db.RecordNr(1), zk::FileError);
    WriteFileBytes(dir.File("plain"), "x");
    for (const std::string &bad : {dir.File("missing/actions.dat"), dir.File("plain/actions.dat"),
                                   dir.Path().string()}) {
        try {
            db.OpenFile(bad);
            ADD_FAILURE() << bad;
        } catch (const zk::FileError &e) {
            EXPECT_NE(std::string(e.what()).find(bad), std::string::npos) << e.what();
        }
        EXPECT_FALSE(db.IsOpen());
    }
    db.OpenFile(path);
    EXPECT_THROW(db.RecordNr(40000), zk::OverflowError);
    EXPECT_EQ(db.RecordNr(), 1);
    EXPECT_THROW(db.RecordNr(0), zk::FileError);
    db.RecordNr(32767); // the last record number the log can hold

    clsActionsDbase reader;
    EXPECT_THROW(reader.OpenReadOnly(dir.File("absent.dat")), zk::FileError);
    EXPECT_FALSE(std::filesystem::exists(dir.File("absent.dat")));
    reader.OpenReadOnly(path);
    reader.RecordNr(1);
    reader.Description("x");
    EXPECT_THROW(reader.Flush(), zk::FileError);
}

// Lowers the file-size limit of this process; past it a write fails with EFBIG, as the program
// sees it when the disk is full.
TEST_F(Store, AnAppendStoppedHalfWayLeavesTheFileAsItWas)
{
    const std::string before = Bytes({{{2024, 3, 4, 9, 0, 0}, {2024, 3, 4, 10, 0, 0}, "Jan"},
                                      {{2024, 3, 4, 10, 0, 0}, {2024, 3, 4, 10, 10, 0}, "Idle"}});
    WriteFileBytes(path, before);
    db.OpenFile(path);
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit old{};
    ::getrlimit(RLIMIT_FSIZE, &old);
    rlimit tight = old;
    tight.rlim_cur = before.size() + 60;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &tight), 0);
    try {
        Append({{2024, 3, 4, 11, 0, 0}, {2024, 3, 4, 11, 0, 0}, "Jan"});
        ADD_FAILURE() << "the append past the limit was reported as done";
    } catch (const zk::FileError &e) {
        EXPECT_NE(std::string(e.what()).find("record 3 of the activity log \"" + path +
                                             "\": File too large"),
                  std::string::npos)
            << e.what();
    }
    EXPECT_EQ(File(), before);
    EXPECT_EQ(db.RecordCount(), 2);
    ::setrlimit(RLIMIT_FSIZE, &old);
    // The stretch stays buffered behind the cursor and goes in whole once there is room.
    EXPECT_EQ(db.RecordNr(), 3);
    db.CloseFile();
    EXPECT_EQ(File(), before + Bytes({{{2024, 3, 4, 11, 0, 0}, {2024, 3, 4, 11, 0, 0}, "Jan"}}));
}

TEST(Scrambling, RotatesEveryByteByTwoBits)
{
    const std::pair<std::string, std::string> rows[] = {
        {"", ""}, {std::string(1, '\0'), std::string(1, '\0')}, {" ", "\x08"}, {"A", "P"},
        {"abc", "\x58\x98\xD8"}, {"\x80", " "}, {"\x55\xAA\xFF", "\x55\xAA\xFF"},
    };
    for (const auto &[plain, scrambled] : rows) {
        EXPECT_EQ(EncryptText(plain), scrambled) << plain;
        EXPECT_EQ(DecryptText(scrambled), plain) << plain;
    }
    std::string all;
    for (int c = 0; c < 256; ++c)
        all.push_back(static_cast<char>(c));
    EXPECT_EQ(DecryptText(EncryptText(all)), all);
    EXPECT_THROW(EncryptText(std::string(32767, 'a')), zk::OverflowError);
    EXPECT_EQ(EncryptText(std::string(32766, 'a')).size(), 32766u);
}
