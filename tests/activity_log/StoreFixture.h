#pragma once

#include "activity_log/StoreCursorGuard.h"
#include "activity_log/clsActionsDbase.h"
#include "support/FakeClock.h"
#include "support/FixedMonthNames.h"
#include "support/LogBytes.h"
#include "support/TempDir.h"

#include <gmock/gmock.h>

namespace zk::test {

// A store on actions.dat in a fresh folder, with a fixed clock and Dutch month names.
class Store : public ::testing::Test
{
protected:
    // Sets every field of the record under the cursor, as the stretch code does.
    void SetAll(const LogRecord &r)
    {
#define ZK_SIX(at)                                                                                 \
    &clsActionsDbase::at##Year, &clsActionsDbase::at##Month, &clsActionsDbase::at##Day,            \
        &clsActionsDbase::at##Hour, &clsActionsDbase::at##Minute, &clsActionsDbase::at##Seconds
        void (clsActionsDbase::*setters[])(std::int32_t) = {ZK_SIX(StartDateTime),
                                                             ZK_SIX(EndDateTime)};
#undef ZK_SIX
        for (std::size_t i = 0; i < 12; ++i)
            (db.*setters[i])(i < 6 ? r.start[i] : r.end[i - 6]);
        db.Description(r.description);
    }
    // Appends past the end and sets the cursor back.
    void Append(const LogRecord &r)
    {
        StoreCursorGuard cursor(db);
        db.RecordNr(db.RecordCount() + 1);
        SetAll(r);
        cursor.Restore();
    }
    std::string File() const { return ReadFileBytes(path); }
    static std::string Record(std::int32_t day, const std::string &text)
    {
        return Bytes({{{2026, 12, day, 9, 0, 0}, {2026, 12, day, 10, 0, 0}, text}});
    }

    FakeClock clock{{2026, 12, 6, 9, 0, 0}};
    FixedMonthNames months;
    TempDir dir;
    std::string path = dir.File("actions.dat");
    clsActionsDbase db;
};

} // namespace zk::test
