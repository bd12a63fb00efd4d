#pragma once

#include "activity_log/clsActionsDbase.h"
#include "support/FakeClock.h"
#include "support/FixedMonthNames.h"
#include "support/LogBytes.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace zk::test {

// A store on actions.dat in a fresh folder, with a fixed clock and Dutch month names.
class StoreFixture : public ::testing::Test
{
protected:
    // Sets every field of the record under the cursor, as the stretch code does.
    void SetAll(const LogRecord &r)
    {
        void (clsActionsDbase::*setters[])(std::int32_t) = {
            &clsActionsDbase::StartDateTimeYear,   &clsActionsDbase::StartDateTimeMonth,
            &clsActionsDbase::StartDateTimeDay,    &clsActionsDbase::StartDateTimeHour,
            &clsActionsDbase::StartDateTimeMinute, &clsActionsDbase::StartDateTimeSeconds,
            &clsActionsDbase::EndDateTimeYear,     &clsActionsDbase::EndDateTimeMonth,
            &clsActionsDbase::EndDateTimeDay,      &clsActionsDbase::EndDateTimeHour,
            &clsActionsDbase::EndDateTimeMinute,   &clsActionsDbase::EndDateTimeSeconds};
        for (std::size_t i = 0; i < 12; ++i)
            (db.*setters[i])(i < 6 ? r.start[i] : r.end[i - 6]);
        db.Description(r.description);
    }
    // Appends past the end and sets the cursor back.
    void Append(const LogRecord &r)
    {
        const std::int32_t saved = db.RecordNr();
        db.RecordNr(db.RecordCount() + 1);
        SetAll(r);
        db.RecordNr(saved);
    }
    std::string File() const { return ReadFileBytes(path); }

    FakeClock clock{{2026, 12, 6, 9, 0, 0}};
    FixedMonthNames months;
    TempDir dir;
    std::string path = dir.File("actions.dat");
    clsActionsDbase db;
};

} // namespace zk::test
