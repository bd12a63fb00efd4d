#include "Golden.h"

#include "activity_log/Module4.h"
#include "activity_log/clsActionsDbase.h"
#include "support/FakeClock.h"
#include "support/FixedMonthNames.h"
#include "support/TempDir.h"
#include "time/OverflowError.h"
#include "time/clsTimePoint.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace zk::test;

namespace {

void SetAll(clsActionsDbase &db, std::initializer_list<std::int32_t> f, const std::string &d)
{
    auto v = f.begin();
    db.StartDateTimeYear(*v++);
    db.StartDateTimeMonth(*v++);
    db.StartDateTimeDay(*v++);
    db.StartDateTimeHour(*v++);
    db.StartDateTimeMinute(*v++);
    db.StartDateTimeSeconds(*v++);
    db.EndDateTimeYear(*v++);
    db.EndDateTimeMonth(*v++);
    db.EndDateTimeDay(*v++);
    db.EndDateTimeHour(*v++);
    db.EndDateTimeMinute(*v++);
    db.EndDateTimeSeconds(*v++);
    db.Description(d);
}

// Appends as the stretch code does: past the end, all fields, cursor back.
void Append(clsActionsDbase &db, std::initializer_list<std::int32_t> f, const std::string &d)
{
    const std::int32_t saved = db.RecordNr();
    db.RecordNr(db.RecordCount() + 1);
    SetAll(db, f, d);
    db.RecordNr(saved);
}

const std::string k99(99, 'x');
const std::string k120 = std::string(100, 'a') + std::string(20, 'b');
const std::string kHigh = "caf\xE9 \x80\xFF\x01";

} // namespace

TEST(ActionsDbase, WritesRecordsByteForByteAsTheLayoutSays)
{
    TempDir dir;
    const std::string path = dir.File("actions.dat");
    {
        clsActionsDbase db;
        db.OpenFile(path);
        EXPECT_TRUE(std::filesystem::exists(path));
        EXPECT_EQ(db.RecordCount(), 0);
        EXPECT_EQ(db.RecordNr(), 1);
        Append(db, {2002, 12, 4, 9, 5, 3, 2002, 12, 4, 10, 0, 0}, "Anna");
        EXPECT_EQ(ReadFileBytes(path).size(), 148u);
        Append(db, {2001, 12, 31, 23, 59, 50, 2002, 1, 1, 0, 0, 10}, "");
        Append(db, {0, 0, 0, 0, 0, 0, -1, 2147483647, -2147483647 - 1, 1, 2, 3}, k99);
        Append(db, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}, k120);
        Append(db, {2026, 12, 6, 8, 0, 0, 2026, 12, 6, 8, 30, 0}, "Piet  ");
        Append(db, {2026, 12, 6, 9, 0, 0, 2026, 12, 6, 9, 10, 0}, kHigh);
    }
    const std::string expected =
        GoldenRecord({2002, 12, 4, 9, 5, 3, 2002, 12, 4, 10, 0, 0}, StoredDescription("Anna")) +
        GoldenRecord({2001, 12, 31, 23, 59, 50, 2002, 1, 1, 0, 0, 10}, std::string(1, '\0')) +
        GoldenRecord({0, 0, 0, 0, 0, 0, -1, 2147483647, -2147483647 - 1, 1, 2, 3},
                     StoredDescription(k99)) +
        GoldenRecord({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}, StoredDescription(k120)) +
        GoldenRecord({2026, 12, 6, 8, 0, 0, 2026, 12, 6, 8, 30, 0}, StoredDescription("Piet  ")) +
        GoldenRecord({2026, 12, 6, 9, 0, 0, 2026, 12, 6, 9, 10, 0}, StoredDescription(kHigh));
    const std::string actual = ReadFileBytes(path);
    ASSERT_EQ(actual.size(), expected.size());
    EXPECT_EQ(actual, expected);
    // The committed sample is the same bytes, so a change of layout cannot pass unseen.
    EXPECT_EQ(actual, ReadFileBytes(ZK_TEST_DATA "/golden-actions.dat"));

    // And a file in this layout reads back the same, whoever wrote it.
    clsActionsDbase db;
    db.OpenFile(path);
    EXPECT_EQ(db.RecordCount(), 6);
    db.RecordNr(1);
    EXPECT_EQ(db.Description(), "Anna");
    EXPECT_EQ(db.StartTimeAsString(), "9:5:3");
    db.RecordNr(2);
    EXPECT_EQ(db.Description(), "");
    EXPECT_EQ(db.ElapsedSeconds(), 20);
    db.RecordNr(3);
    EXPECT_EQ(db.Description(), k99);
    EXPECT_EQ(db.EndDateTimeMonth(), 2147483647);
    EXPECT_EQ(db.EndDateTimeDay(), -2147483647 - 1);
    db.RecordNr(4);
    EXPECT_EQ(db.Description(), k120.substr(0, 100));
    db.RecordNr(5);
    EXPECT_EQ(db.Description(), "Piet  ");
    db.RecordNr(6);
    EXPECT_EQ(db.Description(), kHigh);
    EXPECT_EQ(ReadFileBytes(path), expected); // reading writes nothing
}

TEST(ActionsDbase, BuffersOneRecordAndNotifiesEveryFieldSet)
{
    TempDir dir;
    FakeClock clock({2026, 12, 6, 9, 0, 0});
    const std::string path = dir.File("actions.dat");
    clsActionsDbase db;
    int changes = 0;
    auto c = db.Change.Connect([&] { ++changes; });
    db.OpenFile(path);
    db.RecordNr(1);
    db.SetStartTimeToNow();
    EXPECT_EQ(changes, 6);
    EXPECT_EQ(ReadFileBytes(path).size(), 0u); // changed only in the buffer
    db.SetEndTimeToNow();
    db.Description("Anna");
    EXPECT_EQ(changes, 13);
    db.Flush();
    db.Flush();
    EXPECT_EQ(ReadFileBytes(path).size(), 148u);
    db.RecordNr(1);
    db.CloseFile();
    db.OpenFile(path);
    EXPECT_EQ(changes, 13); // Flush, RecordNr, OpenFile and CloseFile send none

    // AddToEndTime carries through the calendar, both ways.
    db.RecordNr(1);
    SetAll(db, {2001, 12, 31, 23, 59, 0, 2001, 12, 31, 23, 59, 50}, "x");
    db.AddToEndTime(20);
    EXPECT_EQ(db.EndDateTimeYear(), 2002);
    EXPECT_EQ(db.EndTimeAsString(), "0:0:10");
    SetAll(db, {2004, 3, 1, 0, 0, 0, 2004, 3, 1, 0, 0, 30}, "x");
    db.AddToEndTime(-60);
    EXPECT_EQ(db.EndDateTimeMonth(), 2);
    EXPECT_EQ(db.EndDateTimeDay(), 29);
    EXPECT_EQ(db.EndTimeAsString(), "23:59:30");

    // Start and end unset: no elapsed time.
    db.StartDateTimeYear(0);
    EXPECT_FALSE(db.ValidStartAndValidEndTime());
    EXPECT_EQ(db.ElapsedSeconds(), 0);

    clsTimePoint tp;
    tp.SetDay(2002, 12, 4);
    tp.SetTime(9, 0, 0);
    const int before = changes;
    db.SetStartTimeToTimePoint(tp);
    db.SetEndTimeToTimePoint(tp);
    EXPECT_EQ(changes - before, 12);
    EXPECT_EQ(tp.Year(), 2002); // only read
}

TEST(ActionsDbase, DayTextsOfAStretchAcrossMidnight)
{
    TempDir dir;
    FakeClock clock({2026, 12, 6, 9, 0, 0});
    FixedMonthNames dutch;
    clsActionsDbase db;
    db.OpenFile(dir.File("actions.dat"));
    db.RecordNr(1);
    SetAll(db, {2001, 12, 31, 23, 59, 50, 2002, 1, 1, 0, 0, 10}, "Jan");
    EXPECT_EQ(db.StartDateAndEndDateAsString(), "31 dec - 1 jan");
    EXPECT_EQ(db.ElapsedSeconds(), 20);
    SetAll(db, {2026, 12, 6, 8, 0, 0, 2026, 12, 6, 8, 30, 0}, "Jan");
    EXPECT_EQ(db.StartDateAndEndDateAsString(), "Vandaag");
    SetAll(db, {2026, 12, 5, 23, 0, 0, 2026, 12, 6, 0, 30, 0}, "Jan");
    EXPECT_EQ(db.StartDateAndEndDateAsString(), "5 dec - Vandaag");
    SetAll(db, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}, "");
    EXPECT_EQ(db.StartDateAndEndDateAsString(), "Ongeldige dag");
}

// A listener that moves the cursor away and back inside every field set, as
// the log list does, must see the record as just written, and lose nothing.
TEST(ActionsDbase, ListenersMayMoveTheCursorInsideAChange)
{
    TempDir dir;
    const std::string path = dir.File("actions.dat");
    clsActionsDbase db;
    db.OpenFile(path);
    Append(db, {2026, 12, 6, 8, 0, 0, 2026, 12, 6, 8, 30, 0}, "Anna");
    std::vector<std::string> seen;
    auto c = db.Change.Connect([&] {
        const std::int32_t saved = db.RecordNr();
        db.RecordNr(1);
        db.RecordNr(saved);
        seen.push_back(db.Description() + "@" + std::to_string(db.EndDateTimeMinute()));
    });
    db.RecordNr(2);
    db.StartDateTimeYear(2026);
    db.Description("Bert");
    db.EndDateTimeMinute(45);
    db.RecordNr(1);
    EXPECT_EQ(seen, (std::vector<std::string>{"@0", "Bert@0", "Bert@45"}));
    EXPECT_EQ(db.RecordCount(), 2);
    db.RecordNr(2);
    EXPECT_EQ(db.Description(), "Bert");
    EXPECT_EQ(db.EndDateTimeMinute(), 45);
    EXPECT_EQ(db.StartDateTimeYear(), 2026);
}

TEST(ActionsDbase, DamagedFilesOpenAreNeverShortenedAndCountHalfToEven)
{
    TempDir dir;
    const std::string path = dir.File("actions.dat");
    const std::string rec = GoldenRecord({2026, 12, 6, 8, 0, 0, 2026, 12, 6, 8, 30, 0},
                                         StoredDescription("Anna"));
    for (auto [length, count] : {std::pair{370u, 2}, {518u, 4}, {74u, 0}, {75u, 1}, {222u, 2},
                                 {1u, 0}, {147u, 1}}) {
        std::string bytes = rec + rec + rec + rec;
        bytes.resize(length, '\x7F');
        WriteFileBytes(path, bytes);
        clsActionsDbase db;
        db.OpenFile(path);
        EXPECT_EQ(db.RecordCount(), count) << length;
        // The partial last record reads what is there, the rest as zeros.
        db.RecordNr(count + 1);
        db.CloseFile();
        EXPECT_EQ(ReadFileBytes(path), bytes) << "never rewritten or truncated";
    }
    // A record past a ragged end is written at its own place, the ragged tail kept.
    std::string bytes = rec;
    bytes.append(80, 'G');
    WriteFileBytes(path, bytes);
    {
        clsActionsDbase db;
        db.OpenFile(path);
        ASSERT_EQ(db.RecordCount(), 2);
        Append(db, {1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1}, "x");
    }
    const std::string after = ReadFileBytes(path);
    ASSERT_EQ(after.size(), 3 * 148u);
    EXPECT_EQ(after.substr(0, 228), bytes);
    EXPECT_EQ(after.substr(296), GoldenRecord({1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1},
                                              StoredDescription("x")));
    // A description without terminator reads all its hundred characters back.
    WriteFileBytes(path, GoldenRecord({0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}, EncryptText(std::string(100, 'q'))));
    clsActionsDbase db;
    db.OpenFile(path);
    db.RecordNr(1);
    EXPECT_EQ(db.Description(), std::string(100, 'q'));
}

TEST(ActionsDbase, ErrorsNameThePathAndLeaveTheStoreAsItWas)
{
    TempDir dir;
    clsActionsDbase db;
    EXPECT_THROW(db.RecordCount(), zk::FileError);
    EXPECT_THROW(db.RecordNr(1), zk::FileError);
    EXPECT_FALSE(db.IsOpen());

    // A folder that does not exist, and one that is a regular file (which
    // even root cannot write into).
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
    EXPECT_FALSE(std::filesystem::exists(dir.File("missing")));

    db.OpenFile(dir.File("actions.dat"));
    EXPECT_THROW(db.RecordNr(40000), zk::OverflowError);
    EXPECT_EQ(db.RecordNr(), 1); // unchanged by the failed conversion
    EXPECT_THROW(db.RecordNr(0), zk::FileError);
    EXPECT_THROW(db.RecordNr(-5), zk::FileError);
    db.RecordNr(32767); // the last record number the log can hold
    EXPECT_EQ(db.Description(), "");

    // Reading only: a change cannot be written, the file is never created.
    clsActionsDbase reader;
    EXPECT_THROW(reader.OpenReadOnly(dir.File("absent.dat")), zk::FileError);
    EXPECT_FALSE(std::filesystem::exists(dir.File("absent.dat")));
    reader.OpenReadOnly(dir.File("actions.dat"));
    reader.RecordNr(1);
    reader.Description("x");
    EXPECT_THROW(reader.Flush(), zk::FileError);
}

TEST(Scrambling, RotatesEveryByteByTwoBits)
{
    EXPECT_EQ(EncryptText(""), "");
    EXPECT_EQ(EncryptText(std::string(1, '\0')), std::string(1, '\0'));
    EXPECT_EQ(EncryptText(" "), "\x08");
    EXPECT_EQ(EncryptText("A"), "P");
    EXPECT_EQ(EncryptText("abc"), "\x58\x98\xD8");
    EXPECT_EQ(EncryptText("\x80"), " ");
    EXPECT_EQ(EncryptText("\x55\xAA\xFF"), "\x55\xAA\xFF");
    std::string all;
    for (int c = 0; c < 256; ++c)
        all.push_back(static_cast<char>(c));
    EXPECT_EQ(DecryptText(EncryptText(all)), all);
    EXPECT_EQ(EncryptText(EncryptText(EncryptText(EncryptText(all)))), all);
    EXPECT_NE(EncryptText(all), all);
    EXPECT_THROW(EncryptText(std::string(32767, 'a')), zk::OverflowError);
    EXPECT_EQ(EncryptText(std::string(32766, 'a')).size(), 32766u);
}

TEST(Scrambling, EncryptAllScramblesPlainDescriptionsInPlace)
{
    TempDir dir;
    const std::string path = dir.File("actions.dat");
    const std::string plain1 = GoldenRecord({1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1}, "Anna");
    const std::string plain2 = GoldenRecord({2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2},
                                            std::string("Piet\0", 5));
    WriteFileBytes(path, plain1 + plain2);
    clsActionsDbase db;
    db.OpenFile(path);
    db.EncryptAll();
    EXPECT_EQ(db.RecordNr(), 2); // the cursor stays on the last record
    db.CloseFile();
    EXPECT_EQ(ReadFileBytes(path),
              GoldenRecord({1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1}, StoredDescription("Anna")) +
                  GoldenRecord({2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2}, StoredDescription("Piet")));
    // An empty log: nothing happens.
    WriteFileBytes(path, "");
    db.OpenFile(path);
    db.EncryptAll();
    db.CloseFile();
    EXPECT_EQ(ReadFileBytes(path), "");
}
