#include "activity_log/clsActionsDbase.h"
#include "support/FakeClock.h"
#include "support/TempDir.h"
#include "time/OverflowError.h"

#include <gtest/gtest.h>

#include <chrono>
#include <random>

using namespace zk::test;

// Random lengths and bytes: every record opens and reads, texts come out, and
// the only exception is the overflow that far-apart damaged times must raise.
TEST(ActionsDbaseRobustness, AnyFileContentReadsWithoutCrashOrChange)
{
    TempDir dir;
    FakeClock clock;
    const std::string path = dir.File("actions.dat");
    std::mt19937 random(148);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    for (int round = 0; round < 300 && std::chrono::steady_clock::now() < deadline; ++round) {
        std::string bytes(std::uniform_int_distribution<int>(0, 148 * 12)(random), '\0');
        for (char &b : bytes)
            b = static_cast<char>(random() % (round % 3 == 0 ? 4 : 256)); // many small numbers too
        WriteFileBytes(path, bytes);
        clsActionsDbase db;
        db.OpenFile(path);
        const std::int32_t n = db.RecordCount();
        for (std::int32_t i = 1; i <= n + 1; ++i) {
            db.RecordNr(i);
            (void)db.Description();
            (void)db.StartTimeAsString();
            (void)db.EndTimeAsString();
            (void)db.StartDateAndEndDateAsString();
            (void)db.ValidStartAndValidEndTime();
            try {
                (void)db.ElapsedSeconds();
            } catch (const zk::OverflowError &) {
            }
        }
        db.CloseFile();
        ASSERT_EQ(ReadFileBytes(path), bytes) << "round " << round;
    }
}
