#include "StoreFixture.h"

#include "activity_log/StoreCursorGuard.h"

#include <stdexcept>

using namespace zk::test;
using namespace ::testing;

// Left by an exception, the guard sets the cursor back on its way out; the caller hears of the
// first failure only. A store never opened has no cursor to set back.
TEST_F(Store, TheCursorGuardSetsTheCursorBackWhenSomethingThrows)
{
    WriteFileBytes(path, Record(4, "Jan") + Record(5, "Piet"));
    db.OpenFile(path);
    const auto failing = [&] {
        StoreCursorGuard cursor(db);
        db.RecordNr(2);
        db.Description("Kees");
        throw std::runtime_error("the work failed");
    };
    EXPECT_THAT(failing, ThrowsMessage<std::runtime_error>("the work failed"));
    EXPECT_EQ(db.RecordNr(), 1);
    EXPECT_EQ(File(), Record(4, "Jan") + Record(5, "Kees"));
    clsActionsDbase never;
    EXPECT_NO_THROW(StoreCursorGuard(never).Restore());
}

// A write-back that fails reaches the caller of Restore; the destructor that follows, or one
// left by an exception, stays silent and leaves the record buffered.
TEST_F(Store, TheCursorGuardReportsAFailedWriteBackOnlyFromRestore)
{
    WriteFileBytes(path, Record(4, "Jan") + Record(5, "Piet"));
    db.OpenReadOnly(path);
    {
        StoreCursorGuard cursor(db);
        db.RecordNr(2);
        db.Description("Kees");
        EXPECT_THAT([&] { cursor.Restore(); },
                    ThrowsMessage<zk::FileError>(HasSubstr("opened for reading only")));
    }
    const auto failing = [&] {
        StoreCursorGuard cursor(db);
        throw std::runtime_error("the work failed");
    };
    EXPECT_THAT(failing, ThrowsMessage<std::runtime_error>("the work failed"));
    EXPECT_EQ(db.Description(), "Kees");
    EXPECT_EQ(File(), Record(4, "Jan") + Record(5, "Piet"));
}
