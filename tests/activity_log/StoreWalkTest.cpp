#include "StoreFixture.h"

#include "activity_log/StoreWalk.h"

#include <filesystem>

using namespace zk::test;
using namespace ::testing;

namespace {

// The descriptions of records 1 to last, read in one walk.
std::vector<std::string> Walked(clsActionsDbase &db, std::int32_t last)
{
    StoreWalk walk(db);
    std::vector<std::string> seen;
    for (std::int32_t nr = 1; nr <= last; ++nr) {
        db.RecordNr(nr);
        seen.push_back(db.Description());
    }
    walk.Restore();
    return seen;
}

} // namespace

// What another program does to the file between two walks is what the second walk reads. A
// shortened file reads its missing records blank and a record cut short with what is left of
// it; a file renamed over the log leaves the open log being read.
TEST_F(Store, AWalkReadsWhatAnotherWriterLeftInTheFile)
{
    const std::string three = Record(4, "Anna") + Record(5, "Bert") + Record(6, "Cees");
    struct Case
    {
        const char *change;
        std::string file; // the file as the other program leaves it
        bool renamedOver = false;
        std::int32_t count;
        std::vector<std::string> seen; // records 1 to 4
    };
    const Case rows[] = {
        {.change = "appended", .file = three + Record(7, "Dirk"), .count = 4,
         .seen = {"Anna", "Bert", "Cees", "Dirk"}},
        {.change = "rewritten", .file = Record(4, "Anna") + Record(5, "Bram") + Record(6, "Cees"),
         .count = 3, .seen = {"Anna", "Bram", "Cees", ""}},
        {.change = "cut in record 2", .file = three.substr(0, 148 + 50), .count = 1,
         .seen = {"Anna", "Be", "", ""}},
        {.change = "renamed over", .file = Record(7, "Dirk"), .renamedOver = true, .count = 3,
         .seen = {"Anna", "Bert", "Cees", ""}},
    };
    for (const Case &row : rows) {
        SCOPED_TRACE(row.change);
        WriteFileBytes(path, three);
        db.OpenFile(path);
        EXPECT_THAT(Walked(db, 4), ElementsAre("Anna", "Bert", "Cees", ""));
        WriteFileBytes(row.renamedOver ? path + ".new" : path, row.file);
        if (row.renamedOver)
            std::filesystem::rename(path + ".new", path);
        EXPECT_EQ(db.RecordCount(), row.count);
        EXPECT_EQ(Walked(db, 4), row.seen);
        db.CloseFile();
        EXPECT_EQ(File(), row.file);
    }
}

// Inside a walk the store's own writes read back at once, and a file emptied behind its back
// still reads safely: records past what was read, as blank records.
TEST_F(Store, AWalkReadsTheStoresOwnWritesAndSurvivesAnEmptiedFile)
{
    WriteFileBytes(path, Record(4, "Anna") + Record(5, "Bert"));
    db.OpenFile(path);
    StoreWalk walk(db);
    db.RecordNr(2);
    db.Description("Cees");
    db.RecordNr(1);
    db.RecordNr(2);
    EXPECT_EQ(db.Description(), "Cees");
    WriteFileBytes(path, "");
    for (std::int32_t nr : {3, 600, 32767}) {
        db.RecordNr(nr);
        EXPECT_EQ(db.Description(), "") << nr;
    }
    walk.Restore();
    EXPECT_EQ(db.RecordCount(), 0);
}
