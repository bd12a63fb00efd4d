// The week overview over a full log: 32767 records read through the program's
// own store, counted for one week and drawn into the window (target under 20 ms).
#include "FullLog.h"
#include "OffscreenMain.h"

#include "activity_log/clsActionsDbase.h"
#include "platform/SettingsStore.h"
#include "time/CalendarDay.h"
#include "users/clsUsers.h"
#include "week/frmWeek.h"

#include <QApplication>
#include <QImage>
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>

namespace {

void BM_WeekOverviewOnFullLog(benchmark::State &state)
{
    zk::CurrentSettings().Write("Sitclock", "Edit", "Users", "Anna|Piet|Kees");
    clsUsers users;
    clsActionsDbase actions;
    actions.OpenFile(zk::bench::FullLog());
    frmWeek week(actions, users);
    week.resize(820, 520);
    QImage image(week.size(), QImage::Format_ARGB32_Premultiplied);
    const zk::CalendarDay day{2026, 6, 10};
    for (auto _ : state) {
        week.ShowWeek(day);
        week.render(&image);
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_WeekOverviewOnFullLog)->Unit(benchmark::kMillisecond);

// One step to a week whose records lie in a full archive beside the full log
// (target under 20 ms): both files are read.
void BM_WeekStepWithArchive(benchmark::State &state)
{
    namespace fs = std::filesystem;
    const fs::path folder = fs::temp_directory_path() / "bench_week_archive";
    fs::create_directories(folder);
    const fs::path log = folder / "actions.dat";
    fs::copy_file(zk::bench::FullLog(), log, fs::copy_options::overwrite_existing);
    fs::copy_file(zk::bench::FullLog(), folder / "actions-2026-06-12.dat",
                  fs::copy_options::overwrite_existing);
    zk::CurrentSettings().Write("Sitclock", "Edit", "Users", "Anna|Piet|Kees");
    clsUsers users;
    clsActionsDbase actions;
    actions.OpenFile(log.string());
    frmWeek week(actions, users);
    week.resize(820, 520);
    QImage image(week.size(), QImage::Format_ARGB32_Premultiplied);
    week.ShowWeek(zk::CalendarDay{2026, 6, 3});
    int weeks = 1; // to and fro: both weeks lie before the archive's cut
    for (auto _ : state) {
        week.StepWeeks(weeks);
        week.render(&image);
        weeks = -weeks;
        benchmark::DoNotOptimize(image.constBits());
    }
    actions.CloseFile();
    fs::remove_all(folder);
}
BENCHMARK(BM_WeekStepWithArchive)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    return zk::bench::RunInApplication<QApplication>(argc, argv, nullptr, [] { std::remove(zk::bench::FullLog().c_str()); });
}
