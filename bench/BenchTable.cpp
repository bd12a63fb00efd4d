// bench_table FILE.json...
// Reads the JSON that the benchmark programs write (--benchmark_out) and prints
// one markdown table of the figures that matter, each beside its target. The
// exit status is 1 when a figure misses its target or was not measured, 2 when a
// file cannot be read.
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMap>
#include <QString>

#include <cmath>
#include <cstdio>
#include <optional>

namespace {

enum class Bound { None, Below, AtMost };

struct Figure
{
    const char *what;
    const char *benchmark;
    // "real_time" (converted to unit) or the name of a counter (taken as it is).
    const char *field;
    const char *unit;
    Bound bound;
    double target;
    // A figure that reads the whole log, also shown as a multiple of one read of it into a buffer.
    bool readsTheLog = false;
};

// What reading the log can cost at the least; the first row, and the measure of the read figures.
constexpr const char *kWholeRead = "ReadWholeLogIntoBuffer";

// The times are per operation; the idle figures come from one minute at rest.
const Figure kFigures[] = {
    {"One read of the whole log into a buffer", kWholeRead, "real_time", "ms", Bound::None, 0},
    {"Log read, 32,767 records", "OpenAndReadEveryRecord", "real_time", "ms", Bound::Below, 5,
     true},
    {"One append", "AppendOneRecord", "real_time", "µs", Bound::None, 0},
    {"Minute tick, on disk (fdatasync)", "SyncedMinuteTick", "real_time", "ms", Bound::Below, 10},
    {"Log list rebuild (FillList), 32,767 rows", "BM_FillListAllPassing", "real_time", "ms",
     Bound::Below, 10, true},
    {"One Change of the running record", "BM_ChangeOfTheRunningRecord", "real_time", "µs",
     Bound::Below, 100},
    {"Daily total of a user", "BM_GetTodayTimeFromUser", "real_time", "ms", Bound::Below, 2},
    {"Start-up to the hidden window, 32,767 records", "BM_StartupOnFullLog", "real_time", "ms",
     Bound::Below, 100, true},
    {"Resident memory of the idle program", "BM_IdleProgramResidentMemory", "VmRSS_MiB", "MiB",
     Bound::AtMost, 35},
    {"Idle CPU while a stretch runs", "BM_IdleWhileAStretchRuns", "cpu_percent", "%",
     Bound::Below, 0.1},
    {"Wake-ups per minute from our timers", "BM_IdleWhileAStretchRuns", "our_wakeups_per_min",
     "/min", Bound::AtMost, 10},
    {"Voluntary context switches per minute, idle", "BM_IdleWhileAStretchRuns",
     "voluntary_switches_per_min", "/min", Bound::None, 0},
    {"Report `totals`, process time, 32,767 records", "BM_TotalsProcess", "real_time", "ms",
     Bound::Below, 30, true},
    {"Report `chart`, process time, 32,767 records", "BM_ChartProcess", "real_time", "ms",
     Bound::Below, 300, true},
    {"Week overview read and drawn, 32,767 records", "BM_WeekOverviewOnFullLog", "real_time",
     "ms", Bound::Below, 20, true},
    {"Week overview step, 32,767 records and two full archives",
     "BM_WeekStepOverFullLogWithArchives", "real_time", "ms", Bound::Below, 20},
};

double UnitSeconds(const QString &unit)
{
    if (unit == "ns")
        return 1e-9;
    if (unit == "us" || unit == "µs")
        return 1e-6;
    if (unit == "ms")
        return 1e-3;
    return 1.0;
}

QString Number(double v)
{
    if (std::fabs(v) >= 100)
        return QString::number(v, 'f', 0);
    return QString::number(v, 'g', 3);
}

QString TargetText(const Figure &f)
{
    switch (f.bound) {
    case Bound::Below:
        return QString("< %1 %2").arg(Number(f.target), f.unit);
    case Bound::AtMost:
        return QString("<= %1 %2").arg(Number(f.target), f.unit);
    case Bound::None:
        break;
    }
    return "—";
}

std::optional<double> Value(const Figure &f, const QMap<QString, QJsonObject> &runs)
{
    const auto run = runs.find(f.benchmark);
    if (run == runs.end())
        return std::nullopt;
    const QString field = f.field;
    if (!run->contains(field))
        return std::nullopt;
    const double v = run->value(field).toDouble();
    if (field != "real_time")
        return v;
    return v * UnitSeconds(run->value("time_unit").toString()) / UnitSeconds(f.unit);
}

// The first plain run of every benchmark, by name; errors and aggregates are left out.
bool Read(const char *path, QMap<QString, QJsonObject> &runs)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "bench_table: cannot read %s: %s\n", path,
                     qPrintable(file.errorString()));
        return false;
    }
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(file.readAll(), &error);
    if (!doc.isObject()) {
        std::fprintf(stderr, "bench_table: %s is no benchmark output: %s\n", path,
                     qPrintable(error.errorString()));
        return false;
    }
    for (const QJsonValue &v : doc.object().value("benchmarks").toArray()) {
        const QJsonObject run = v.toObject();
        if (run.value("run_type").toString() == "aggregate" || run.value("error_occurred").toBool())
            continue;
        // Keyed by the function name, without "/iterations:1/manual_time" and the like.
        const QString name =
            run.value("run_name").toString(run.value("name").toString()).section('/', 0, 0);
        if (!runs.contains(name))
            runs.insert(name, run);
    }
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    QMap<QString, QJsonObject> runs;
    for (int i = 1; i < argc; ++i)
        if (!Read(argv[i], runs))
            return 2;

    bool allMet = true;
    std::optional<double> wholeRead;
    for (const Figure &f : kFigures)
        if (QString(f.benchmark) == kWholeRead)
            wholeRead = Value(f, runs);
    std::printf("| Figure | Measured | × whole read | Target | Met |\n|---|---:|---:|---:|:---:|\n");
    for (const Figure &f : kFigures) {
        const std::optional<double> v = Value(f, runs);
        QString measured = "not measured";
        QString met = "—";
        if (v) {
            measured = QString("%1 %2").arg(Number(*v), f.unit);
            if (f.bound == Bound::Below)
                met = *v < f.target ? "yes" : "**no**";
            else if (f.bound == Bound::AtMost)
                met = *v <= f.target ? "yes" : "**no**";
        }
        if (!v || met == "**no**")
            allMet = false;
        QString times = "—";
        if (v && f.readsTheLog && wholeRead && *wholeRead > 0)
            times = Number(*v / *wholeRead);
        std::printf("| %s | %s | %s | %s | %s |\n", f.what, qPrintable(measured),
                    qPrintable(times), qPrintable(TargetText(f)), qPrintable(met));
    }
    return allMet ? 0 : 1;
}
