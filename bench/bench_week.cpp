// The week overview over a full log: 32767 records read through the program's
// own store, counted for one week and drawn into the window (target under 50 ms).
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

} // namespace

int main(int argc, char **argv)
{
    return zk::bench::RunInApplication<QApplication>(argc, argv, nullptr, [] { std::remove(zk::bench::FullLog().c_str()); });
}
