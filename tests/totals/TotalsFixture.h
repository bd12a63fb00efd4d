#pragma once

#include "activity_log/clsActionsDbase.h"
#include "support/FakeClock.h"
#include "support/LogBytes.h"
#include "support/TempDir.h"

#include <gmock/gmock.h>

namespace zk::test {

// A log on actions.dat in a fresh folder, on Sunday 6 December 2026 at 12:00.
class Totals : public ::testing::Test
{
protected:
    void Open(const std::vector<LogRecord> &records)
    {
        WriteFileBytes(path, Bytes(records));
        store.OpenFile(path);
    }

    FakeClock clock{{2026, 12, 6, 12, 0, 0}};
    TempDir dir;
    std::string path = dir.File("actions.dat");
    clsActionsDbase store;
};

} // namespace zk::test
