// Start-up of the main window on a full log: from constructing Form1 to the
// hidden window with the start window shown, on a log of 32,767 records
// (target: under 300 ms). Then the idle program's resident memory: the real
// program runs a few seconds offscreen on the same full log and its VmRSS is
// read (target: under 60 MB). The program is the one built beside this benchmark.
#include "localisation/gclsLanguageChange.h"
#include "main_window/Form1.h"
#include "platform/Registry.h"
#include "platform/RunKey.h"
#include "support/FakeClock.h"
#include "support/FakeDialogs.h"
#include "support/FakePointer.h"
#include "support/FakeSettings.h"
#include "support/FakeTrayIcon.h"
#include "support/TempDir.h"

#include <QApplication>
#include <QProcess>
#include <QProcessEnvironment>
#include <QThread>

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

namespace {

class NullRunKey : public zk::RunKey
{
public:
    void Write(const std::string &, const std::string &) override {}
};

class NullRegistry : public zk::Registry
{
public:
    bool GetKeyValue(std::uint32_t, const std::string &, const std::string &,
                     std::string &v) override
    {
        v.clear();
        return false;
    }
};

// A record of the file: twelve little-endian 32-bit fields, then the
// description rotated right by two bits, a 0x00 and spaces to 100 bytes.
std::string Record(int day, int hour, const std::string &description)
{
    std::string out;
    auto put = [&](std::int32_t v) {
        for (int i = 0; i < 4; ++i)
            out.push_back(static_cast<char>((static_cast<std::uint32_t>(v) >> (8 * i)) & 0xFF));
    };
    for (std::int32_t v : {2026, 12, day, hour, 0, 0, 2026, 12, day, hour, 45, 30})
        put(v);
    std::string field;
    for (char ch : description + std::string(1, '\0')) {
        const auto c = static_cast<unsigned char>(ch);
        field.push_back(static_cast<char>(((c & 3) << 6) | (c >> 2)));
    }
    field.resize(100, ' ');
    return out + field;
}

// The largest log the program works with, of three users and idle time.
void WriteFullLog(const std::string &path)
{
    const char *names[] = {"Ann", "Bob", "Idle", "Cor: homework"};
    std::ofstream f(path, std::ios::binary);
    for (int i = 0; i < 32767; ++i)
        f << Record(1 + i % 28, i % 24, names[i % 4]);
}

void BM_StartupOnFullLog(benchmark::State &state)
{
    zk::test::TempDir dir;
    WriteFullLog(dir.File("actions.dat"));
    zk::test::FakeClock clock({2026, 12, 6, 9, 0, 0});
    zk::test::FakeSettings settings;
    settings.Write("Sitclock", "Edit", "Users", "Ann|Bob|Cor");
    zk::test::FakeDialogs dialogs;
    zk::test::FakeTrayIcon tray;
    zk::test::FakePointer pointer;
    NullRunKey runKey;
    NullRegistry registry;

    for (auto _ : state) {
        state.PauseTiming();
        ResetLanguageChangeForTests();
        state.ResumeTiming();
        auto form = std::make_unique<Form1>(
            Form1Services{dialogs, tray, pointer, runKey, registry, dir.Path().string(),
                          "/opt/zk/zitklok", [](const std::string &) { return true; }});
        form->Form_Load();
        benchmark::DoNotOptimize(form->isVisible());
        // Closing the windows is not part of the start.
        state.PauseTiming();
        form.reset();
        state.ResumeTiming();
    }
    ResetLanguageChangeForTests();
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
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setApplicationName("Sitclock");
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
