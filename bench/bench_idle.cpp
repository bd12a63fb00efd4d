// The program at rest while a stretch runs: the real main window (offscreen) on
// a full log, a user's stretch started from the start window, and the event loop
// left alone with the real timers for a minute (--idle_seconds=N for a shorter
// run). Figures: the process's CPU time as a share of wall time (target: under
// 0.1 %), timer events delivered to our own windows and their timers per minute
// (target: at most 10; the minute tick and the pointer look every ten seconds
// make 7), every timer event in the process per minute, and the main thread's
// voluntary context switches per minute as the kernel counts them.
#include "support/FreshLanguage.h"
#include "main_window/Form1.h"
#include "support/TempDir.h"
#include "users/frmStart.h"

#include <QApplication>
#include <QEventLoop>
#include <QPushButton>
#include <QTimer>

#include "BenchProgram.h"
#include "OffscreenMain.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

namespace {

int g_idleSeconds = 60;

// One record short of the store's limit, so that the running stretch is the
// last record the log can hold and every minute tick walks the whole log.
void WriteNearlyFullLog(const std::string &path)
{
    zk::bench::WriteHouseholdLog(path, 32766);
}

double ProcessCpuSeconds()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) / 1e9;
}

long VoluntaryContextSwitches()
{
    std::ifstream status("/proc/self/status");
    std::string line;
    const std::string key = "voluntary_ctxt_switches:";
    while (std::getline(status, line))
        if (line.rfind(key, 0) == 0)
            return std::stol(line.substr(key.size()));
    return -1;
}

// Counts the timer events the whole process delivers, and apart those that
// reach our windows or anything inside them (their QTimers included).
class TimerEventCounter : public QObject
{
public:
    explicit TimerEventCounter(std::vector<const QObject *> ours)
        : m_ours(std::move(ours))
    {}

    bool eventFilter(QObject *receiver, QEvent *event) override
    {
        if (event->type() == QEvent::Timer) {
            ++all;
            if (IsOurs(receiver))
                ++ours;
        }
        return false;
    }

    long all = 0;
    long ours = 0;

private:
    bool IsOurs(const QObject *o) const
    {
        for (; o; o = o->parent())
            for (const QObject *root : m_ours)
                if (o == root)
                    return true;
        return false;
    }

    std::vector<const QObject *> m_ours;
};

bool ChooseUser(frmStart &start, const QString &name)
{
    for (QPushButton *b : start.findChildren<QPushButton *>("btnUser")) {
        if (b->property("userName").toString() == name && b->isVisible()) {
            b->click();
            return true;
        }
    }
    return false;
}

void BM_IdleWhileAStretchRuns(benchmark::State &state)
{
    zk::test::TempDir dir;
    WriteNearlyFullLog(dir.File("actions.dat"));
    zk::bench::FakeHousehold household;
    zk::test::FreshLanguage language;

    for (auto _ : state) {
        auto form = std::make_unique<Form1>(household.Services(dir.Path().string()));
        form->Form_Load();
        if (!form->StartWindow() || !ChooseUser(*form->StartWindow(), "Ann")) {
            state.SkipWithError("no start button for Ann");
            return;
        }
        // Let the start settle (layouts, the closed start window) before measuring.
        QEventLoop settle;
        QTimer::singleShot(1000, &settle, &QEventLoop::quit);
        settle.exec();

        TimerEventCounter counter({form.get(), form->StartWindow()});
        qApp->installEventFilter(&counter);
        const long switches0 = VoluntaryContextSwitches();
        const double cpu0 = ProcessCpuSeconds();
        const auto wall0 = std::chrono::steady_clock::now();

        QEventLoop idle;
        QTimer::singleShot(g_idleSeconds * 1000, Qt::PreciseTimer, &idle, &QEventLoop::quit);
        idle.exec();

        const double wall =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - wall0).count();
        const double cpu = ProcessCpuSeconds() - cpu0;
        const long switches = VoluntaryContextSwitches() - switches0;
        qApp->removeEventFilter(&counter);

        const double minutes = wall / 60.0;
        state.SetIterationTime(wall);
        state.counters["cpu_percent"] = 100.0 * cpu / wall;
        state.counters["our_wakeups_per_min"] = static_cast<double>(counter.ours) / minutes;
        state.counters["all_timer_events_per_min"] = static_cast<double>(counter.all) / minutes;
        state.counters["voluntary_switches_per_min"] = static_cast<double>(switches) / minutes;
        // Ending the stretch's windows is not part of the rest.
        form.reset();
    }
}
BENCHMARK(BM_IdleWhileAStretchRuns)->UseManualTime()->Unit(benchmark::kSecond)->Iterations(1);

// Takes --idle_seconds=N out of the arguments before the benchmark library sees them.
void TakeIdleSeconds(int &argc, char **argv)
{
    const char *flag = "--idle_seconds=";
    int kept = 1;
    for (int i = 1; i < argc; ++i) {
        if (std::strncmp(argv[i], flag, std::strlen(flag)) == 0)
            g_idleSeconds = std::max(1, std::atoi(argv[i] + std::strlen(flag)));
        else
            argv[kept++] = argv[i];
    }
    argc = kept;
}

} // namespace

int main(int argc, char **argv)
{
    TakeIdleSeconds(argc, argv);
    return zk::bench::RunInApplication<QApplication>(argc, argv, "Sitclock");
}
