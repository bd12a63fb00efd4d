// The log list at the store's limit of 32767 records: a rebuild in which every
// record passes (target under 10 ms), one change of the running record
// (under 100 microseconds) and the daily total (under 2 ms).

#include "activity_log/clsActionsDbase.h"
#include "OffscreenMain.h"
#include "failure/FailureReporter.h"
#include "localisation/gclsLanguageChange.h"
#include "log_view/UCWatchActionsDbase.h"
#include "support/FakeClock.h"
#include "support/FakeDialogs.h"
#include "support/FakeSettings.h"
#include "support/LogBytes.h"
#include "support/TempDir.h"
#include "users/clsUsers.h"

#include <QApplication>
#include <benchmark/benchmark.h>

#include <memory>

namespace {

constexpr int kRecords = 32767;

// A full log of stretches that all ended today, shown in a visible list.
struct FullLog
{
    FullLog()
    {
        std::vector<zk::test::LogRecord> records;
        records.reserve(kRecords);
        for (int i = 0; i < kRecords; ++i)
            records.push_back({{2026, 12, 6, 8, 0, 0}, {2026, 12, 6, 9, i % 60, 0},
                               i % 2 ? "Jan werkt aan het huiswerk" : "Jansen speelt een spel"});
        zk::test::WriteFileBytes(dir.File("actions.dat"), zk::test::Bytes(records));
        store.OpenFile(dir.File("actions.dat"));
        list.Constructor(store, "-Idle", users);
        list.resize(640, 480);
        list.show();
        QApplication::processEvents();
    }

    zk::test::TempDir dir;
    zk::test::FakeSettings settings;
    zk::test::FakeClock clock{{2026, 12, 6, 10, 0, 0}};
    clsUsers users;
    clsActionsDbase store;
    zk::test::FakeDialogs dialogs;
    FailureReporter failures{dialogs};
    UCWatchActionsDbase list{failures};
};

// The widgets must go before the application object does.
std::unique_ptr<FullLog> &Instance()
{
    static std::unique_ptr<FullLog> log;
    return log;
}

FullLog &Log()
{
    if (!Instance())
        Instance() = std::make_unique<FullLog>();
    return *Instance();
}

void BM_FillListAllPassing(benchmark::State &state)
{
    FullLog &log = Log();
    for (auto _ : state) {
        log.list.filter("-Idle");
        benchmark::DoNotOptimize(log.list.knownRecordCount());
    }
    state.SetLabel(std::to_string(kRecords) + " rows");
}
BENCHMARK(BM_FillListAllPassing)->Unit(benchmark::kMillisecond);

void BM_ChangeOfTheRunningRecord(benchmark::State &state)
{
    FullLog &log = Log();
    log.list.filter("-Idle");
    log.store.RecordNr(kRecords);
    std::int32_t second = 0;
    for (auto _ : state)
        log.store.EndDateTimeSeconds(++second % 60); // one Change, the row rewritten
}
BENCHMARK(BM_ChangeOfTheRunningRecord)->Unit(benchmark::kMicrosecond);

void BM_GetTodayTimeFromUser(benchmark::State &state)
{
    FullLog &log = Log();
    for (auto _ : state)
        benchmark::DoNotOptimize(log.list.GetTodayTimeFromUser("Jan"));
}
BENCHMARK(BM_GetTodayTimeFromUser)->Unit(benchmark::kMillisecond);

// What the minute timer does: move the running record's end, then ask the total.
void BM_MinuteUpdateThenTotal(benchmark::State &state)
{
    FullLog &log = Log();
    log.store.RecordNr(kRecords);
    std::int32_t second = 0;
    for (auto _ : state) {
        log.store.EndDateTimeSeconds(++second % 60);
        benchmark::DoNotOptimize(log.list.GetTodayTimeFromUser("Jan"));
    }
}
BENCHMARK(BM_MinuteUpdateThenTotal)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    return zk::bench::RunInApplication<QApplication>(argc, argv, nullptr, [] { Instance().reset(); });
}
