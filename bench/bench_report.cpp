// The report over a full log: 32767 records, three users and idle time.
#include "FullLog.h"
#include "OffscreenMain.h"

#include "report/ReportText.h"
#include "totals/DailyTotals.h"
#include "totals/LogVisitor.h"
#include "week/WeekChart.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

extern char **environ;

namespace {

using zk::bench::FullLog;

const std::vector<std::string> kUsers{"Anna", "Piet", "Kees"};

void BM_ReadLog(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(zk::LogVisitor::Read(FullLog()));
}
BENCHMARK(BM_ReadLog)->Unit(benchmark::kMillisecond);

// As `totals` runs: records counted while they are read, then the text.
void BM_TotalsTable(benchmark::State &state)
{
    for (auto _ : state) {
        zk::DailyTotals totals(kUsers);
        zk::LogVisitor::File(FullLog(), [&](const auto &r) { totals.Add(r); });
        benchmark::DoNotOptimize(zk::report::TotalsTable(totals));
    }
}
BENCHMARK(BM_TotalsTable)->Unit(benchmark::kMillisecond);

void BM_TotalsCsv(benchmark::State &state)
{
    for (auto _ : state) {
        zk::DailyTotals totals(kUsers);
        zk::LogVisitor::File(FullLog(), [&](const auto &r) { totals.Add(r); });
        benchmark::DoNotOptimize(zk::report::TotalsCsv(totals));
    }
}
BENCHMARK(BM_TotalsCsv)->Unit(benchmark::kMillisecond);

void BM_ChartPng(benchmark::State &state)
{
    const zk::CalendarDay day{2026, 6, 10};
    for (auto _ : state) {
        zk::DailyTotals totals(kUsers, day.MondayOfWeek(), day.MondayOfWeek().Plus(6));
        zk::LogVisitor::File(FullLog(), [&](const auto &r) { totals.Add(r); });
        const zk::WeekChart chart(totals, day);
        QImage image(zk::WeekChart::kWidth, zk::WeekChart::kHeight,
                     QImage::Format_ARGB32_Premultiplied);
        {
            QPainter painter(&image);
            chart.Paint(painter);
        }
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, "PNG");
        benchmark::DoNotOptimize(buffer.data());
    }
}
BENCHMARK(BM_ChartPng)->Unit(benchmark::kMillisecond);

// The whole tool as a person runs it, from exec to exit: process time is the
// child's user and system time, which includes loading Qt.
double RunToolSeconds(const std::vector<std::string> &args)
{
    std::vector<char *> argv;
    std::string exe = ZITKLOK_REPORT_EXE;
    argv.push_back(exe.data());
    std::vector<std::string> copy = args;
    for (auto &a : copy)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    if (posix_spawn(&pid, exe.c_str(), &actions, nullptr, argv.data(), environ) != 0)
        std::abort();
    posix_spawn_file_actions_destroy(&actions);
    int status = 0;
    rusage usage{};
    if (wait4(pid, &status, 0, &usage) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        std::abort();
    const auto seconds = [](const timeval &t) { return t.tv_sec + t.tv_usec / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

void ProcessTime(benchmark::State &state, const std::vector<std::string> &args)
{
    for (auto _ : state)
        state.SetIterationTime(RunToolSeconds(args));
}

void BM_TotalsProcess(benchmark::State &state)
{
    ProcessTime(state, {"totals", "--users", "Anna,Piet,Kees", FullLog()});
}
BENCHMARK(BM_TotalsProcess)->UseManualTime()->Unit(benchmark::kMillisecond);

void BM_ChartProcess(benchmark::State &state)
{
    const std::string out = (std::filesystem::temp_directory_path() / "bench_report.png").string();
    ProcessTime(state, {"chart", "--week", "2026-06-10", "--output", out, FullLog()});
    std::remove(out.c_str());
}
BENCHMARK(BM_ChartProcess)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    return zk::bench::RunInApplication<QGuiApplication>(argc, argv, nullptr, [] { std::remove(FullLog().c_str()); });
}
