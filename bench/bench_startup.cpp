// Start-up of the main window on a full log: from constructing Form1 to the
// hidden window with the start window shown, on a log of 32,767 records
// (target: under 100 ms). Then the idle program's resident memory: the real
// program runs a few seconds offscreen on the same full log and its VmRSS is
// read (target: at most 35 MiB). The program is the one built beside this benchmark.
#include "OffscreenMain.h"
#include "main_window/Form1.h"
#include "support/FakeClock.h"
#include "support/FreshLanguage.h"
#include "support/TempDir.h"

#include <QApplication>
#include <QProcess>
#include <QProcessEnvironment>
#include <QThread>

#include "BenchProgram.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <string>

namespace {

// The largest log the program works with, of three users and idle time.
void WriteFullLog(const std::string &path)
{
    zk::bench::WriteHouseholdLog(path, 32767);
}

void BM_StartupOnFullLog(benchmark::State &state)
{
    zk::test::TempDir dir;
    WriteFullLog(dir.File("actions.dat"));
    zk::test::FakeClock clock({2026, 12, 6, 9, 0, 0});
    zk::bench::FakeHousehold household;

    for (auto _ : state) {
        state.PauseTiming();
        std::optional<zk::test::FreshLanguage> language;
        language.emplace();
        state.ResumeTiming();
        auto form = std::make_unique<Form1>(household.Services(dir.Path().string()));
        form->Form_Load();
        benchmark::DoNotOptimize(form->isVisible());
        // Closing the windows is not part of the start.
        state.PauseTiming();
        form.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_StartupOnFullLog)->Unit(benchmark::kMillisecond)->Iterations(10);

long ResidentKiB(qint64 pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmRSS:", 0) == 0)
            return std::stol(line.substr(6));
    return -1;
}

void BM_IdleProgramResidentMemory(benchmark::State &state)
{
    zk::test::TempDir bin;
    zk::test::TempDir home;
    const std::string program = bin.File("zitklok");
    std::filesystem::copy_file(ZITKLOK_EXE, program);
    WriteFullLog(bin.File("actions.dat"));
    long kib = -1;
    for (auto _ : state) {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("HOME", QString::fromStdString(home.Path().string()));
        env.insert("XDG_CONFIG_HOME", QString::fromStdString(home.File(".config")));
        env.insert("QT_QPA_PLATFORM", "offscreen");
        p.setProcessEnvironment(env);
        p.start(QString::fromStdString(program), {});
        if (!p.waitForStarted(10000)) {
            state.SkipWithError("the program did not start");
            return;
        }
        QThread::sleep(4);
        kib = ResidentKiB(p.processId());
        p.kill();
        p.waitForFinished(5000);
    }
    state.counters["VmRSS_MiB"] = static_cast<double>(kib) / 1024.0;
}
BENCHMARK(BM_IdleProgramResidentMemory)->Unit(benchmark::kSecond)->Iterations(1);

} // namespace

int main(int argc, char **argv)
{
    return zk::bench::RunInApplication<QApplication>(argc, argv, "Sitclock");
}
