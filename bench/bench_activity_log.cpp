// Reading a full log through the cursor (and the least it can cost: the whole file in one
// read), one append, the minute tick put on disk, and the calendar's worst cases.
#include "FullLog.h"

#include "activity_log/StoreWalk.h"
#include "activity_log/clsActionsDbase.h"
#include "time/clsTimePoint.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>
#include <vector>

#include <fcntl.h>
#include <unistd.h>

namespace {

std::string FullLog() { return zk::bench::FullLog(); }

// The least that reading the log can cost: the whole file in one call.
void ReadWholeLogIntoBuffer(benchmark::State &state)
{
    const std::string path = FullLog();
    std::vector<char> buffer(std::filesystem::file_size(path));
    for (auto _ : state) {
        const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
        const ssize_t n = ::read(fd, buffer.data(), buffer.size());
        ::close(fd);
        if (n != static_cast<ssize_t>(buffer.size()))
            state.SkipWithError("the full log did not read in one call");
        benchmark::DoNotOptimize(buffer.data());
    }
}
BENCHMARK(ReadWholeLogIntoBuffer)->Unit(benchmark::kMillisecond);

void OpenAndReadEveryRecord(benchmark::State &state)
{
    const std::string path = FullLog();
    for (auto _ : state) {
        clsActionsDbase db;
        db.OpenFile(path);
        StoreWalk walk(db);
        std::int64_t sum = 0;
        const std::int32_t n = db.RecordCount();
        for (std::int32_t i = 1; i <= n; ++i) {
            db.RecordNr(i);
            sum += db.StartDateTimeYear() + db.StartDateTimeMonth() + db.StartDateTimeDay() +
                   db.StartDateTimeHour() + db.StartDateTimeMinute() + db.StartDateTimeSeconds() +
                   db.EndDateTimeYear() + db.EndDateTimeMonth() + db.EndDateTimeDay() +
                   db.EndDateTimeHour() + db.EndDateTimeMinute() + db.EndDateTimeSeconds();
            sum += static_cast<std::int64_t>(db.Description().size());
        }
        benchmark::DoNotOptimize(sum);
    }
}
BENCHMARK(OpenAndReadEveryRecord)->Unit(benchmark::kMillisecond);

void AppendOneRecord(benchmark::State &state)
{
    const std::string path = FullLog() + ".append";
    std::filesystem::copy_file(FullLog(), path, std::filesystem::copy_options::overwrite_existing);
    clsActionsDbase db;
    db.OpenFile(path);
    for (auto _ : state) {
        // The same new record number each time keeps the log at 32,767 + 1.
        db.RecordNr(32767);
        db.StartDateTimeYear(2026);
        db.StartDateTimeMonth(12);
        db.StartDateTimeDay(6);
        db.StartDateTimeHour(9);
        db.StartDateTimeMinute(0);
        db.StartDateTimeSeconds(0);
        db.EndDateTimeYear(2026);
        db.EndDateTimeMonth(12);
        db.EndDateTimeDay(6);
        db.EndDateTimeHour(9);
        db.EndDateTimeMinute(1);
        db.EndDateTimeSeconds(0);
        db.Description("Anna");
        db.Flush();
    }
    db.CloseFile();
    std::filesystem::remove(path);
}
BENCHMARK(AppendOneRecord)->Unit(benchmark::kMicrosecond);

// The minute tick of a running stretch at the end of a full log: the end time set to now and
// written when the cursor goes back, and the time until it is on disk (fdatasync). In the working
// folder, which bench/run makes the source tree: the machine's own disk, not a memory file system.
void SyncedMinuteTick(benchmark::State &state)
{
    const std::string path =
        (std::filesystem::current_path() / ("zk-bench-tick-" + std::to_string(::getpid()) + ".dat"))
            .string();
    std::filesystem::copy_file(FullLog(), path, std::filesystem::copy_options::overwrite_existing);
    {
        clsActionsDbase db;
        db.OpenFile(path);
        const std::int32_t running = db.RecordCount();
        db.RecordNr(1);
        for (auto _ : state) {
            db.RecordNr(running);
            db.SetEndTimeToNow();
            db.RecordNr(1);
            db.WaitUntilOnDisk();
        }
        db.CloseFile();
    }
    std::filesystem::remove(path);
}
BENCHMARK(SyncedMinuteTick)->Unit(benchmark::kMicrosecond);

void DaysDifferenceWorstCase(benchmark::State &state)
{
    clsTimePoint a;
    clsTimePoint b;
    a.SetDay(1000, 1, 1);
    b.SetDay(2000, 1, 1); // beyond the saturation: every step is tried
    for (auto _ : state)
        benchmark::DoNotOptimize(a.GetDaysDifference(b));
}
BENCHMARK(DaysDifferenceWorstCase)->Unit(benchmark::kMicrosecond);

void FixItFarOffDate(benchmark::State &state)
{
    for (auto _ : state) {
        clsTimePoint t;
        t.SetDay(2000, 1, 2000000000);
        t.SetTime(0, 0, 0);
        try {
            t.FixIt();
        } catch (const std::exception &) {
        }
        t.SetDay(2000, 1, -2000000000);
        try {
            t.FixIt();
        } catch (const std::exception &) {
        }
        t.SetDay(2000, 1, 5000000);
        t.FixIt();
        benchmark::DoNotOptimize(t.Year());
    }
}
BENCHMARK(FixItFarOffDate)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
