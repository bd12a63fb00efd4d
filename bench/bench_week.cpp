// The week overview over a full log: read after a change of the log (32767
// records read through the program's own store, counted and one week drawn,
// target under 20 ms), and stepped a week at a time over the log with two full
// archives beside it (target under 20 ms: the counts are kept, a step only takes
// another week out).
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
#include <system_error>

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
        actions.Change.Emit(); // as a written record does: the log is counted anew
        week.ShowWeek(day);
        week.render(&image);
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_WeekOverviewOnFullLog)->Unit(benchmark::kMillisecond);

void BM_WeekStepOverFullLogWithArchives(benchmark::State &state)
{
    namespace fs = std::filesystem;
    const fs::path folder = fs::temp_directory_path() / "bench_week_archives";
    fs::create_directories(folder);
    for (const char *name : {"actions-2010-01-01.dat", "actions-2020-01-01.dat", "actions.dat"})
        fs::copy_file(zk::bench::FullLog(), folder / name, fs::copy_options::overwrite_existing);
    zk::CurrentSettings().Write("Sitclock", "Edit", "Users", "Anna|Piet|Kees");
    {
        clsUsers users;
        clsActionsDbase actions;
        actions.OpenFile((folder / "actions.dat").string());
        frmWeek week(actions, users);
        week.resize(820, 520);
        QImage image(week.size(), QImage::Format_ARGB32_Premultiplied);
        const zk::CalendarDay last{2026, 6, 10};
        week.ShowWeek(last);
        for (auto _ : state) {
            // Back week after week; from the log's first weeks on to the last again.
            if (week.Monday() < zk::CalendarDay{2004, 6, 1})
                week.ShowWeek(last);
            else
                week.StepWeeks(-1);
            week.render(&image);
            benchmark::DoNotOptimize(image.constBits());
        }
    }
    std::error_code ignored;
    fs::remove_all(folder, ignored);
}
BENCHMARK(BM_WeekStepOverFullLogWithArchives)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    return zk::bench::RunInApplication<QApplication>(argc, argv, nullptr, [] { std::remove(zk::bench::FullLog().c_str()); });
}
