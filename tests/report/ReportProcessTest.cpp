#include "report/CsvParser.h"
#include "report/LogBytes.h"

#include "platform/QtSettingsStore.h"
#include "support/TempDir.h"

#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <gtest/gtest.h>

#include <filesystem>

using namespace zk::test;

namespace {

struct Finished
{
    int code = -1;
    std::string out;
    std::string err;
};

// The real program, with its settings in the given folder and no platform
// named, as from a terminal without a display.
Finished RunProgram(const QString &program, const QStringList &args, const QString &config,
               const QString &workingDirectory = {})
{
    QProcess p;
    p.setWorkingDirectory(workingDirectory);
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("XDG_CONFIG_HOME", config);
    env.remove("QT_QPA_PLATFORM");
    p.setProcessEnvironment(env);
    p.start(program, args);
    EXPECT_TRUE(p.waitForFinished(30000));
    return {p.exitCode(), p.readAllStandardOutput().toStdString(),
            p.readAllStandardError().toStdString()};
}

// The two programs copied into one folder of the test's own, as installed.
QString InstallInto(const TempDir &dir, bool withChart)
{
    namespace fs = std::filesystem;
    const fs::path bin = dir.Path() / "opt with space" / "bin";
    fs::create_directories(bin);
    fs::copy_file(ZK_REPORT_EXE, bin / "zitklok-report");
    if (withChart)
        fs::copy_file(ZK_REPORT_CHART_EXE, bin / "zitklok-report-chart");
    return QString::fromStdString((bin / "zitklok-report").string());
}

} // namespace

TEST(ReportProcess, ReadsBesideTheProgramWithoutWriting)
{
    TempDir dir;
    const std::string log = dir.File("actions.dat");
    WriteFileBytes(log, Bytes({{2026, 12, 7, 9, 0, 0}, {2026, 12, 7, 11, 30, 0}, "Anna"}) +
                            Bytes({{2026, 12, 7, 12, 0, 0}, {2026, 12, 7, 12, 45, 0}, "Piet"}));
    std::filesystem::permissions(log, std::filesystem::perms::owner_read);
    const QString config = QString::fromStdString(dir.File("config"));
    zk::QtSettingsStore(config).Write("Sitclock", "Edit", "Users", "Anna|Piet");
    const std::string settingsFile = dir.File("config/Sitclock/Sitclock.ini");
    const std::string settingsBefore = ReadFileBytes(settingsFile);
    const std::string logBefore = ReadFileBytes(log);

    auto run = [&](const QStringList &args) {
        const Finished r = RunProgram(ZK_REPORT_EXE, args, config);
        return std::make_tuple(r.code, r.out, r.err);
    };

    const auto [code, out, err] = run({"totals", "--csv", QString::fromStdString(log)});
    ASSERT_EQ(code, 0) << err;
    using Rows = std::vector<std::vector<std::string>>;
    EXPECT_EQ(ParseCsv(out), (Rows{{"Day", "Anna", "Piet", "Idle"},
                                   {"2026-12-07", "9000", "2700", "0"}}));

    const QString png = QString::fromStdString(dir.File("week.png"));
    const auto [chartCode, chartOut, chartErr] =
        run({"chart", "--week", "2026-12-07", "--output", png, QString::fromStdString(log)});
    ASSERT_EQ(chartCode, 0) << chartErr;
    EXPECT_EQ(QImage(png).size(), QSize(800, 450));

    const QString missing = QString::fromStdString(dir.File("gone.dat"));
    const auto [missingCode, missingOut, missingErr] = run({"list", missing});
    EXPECT_EQ(missingCode, 1);
    EXPECT_NE(missingErr.find(missing.toStdString()), std::string::npos) << missingErr;

    const auto [usageCode, usageOut, usageErr] = run({"totals", "--week", "2026-12-07"});
    EXPECT_EQ(usageCode, 2);
    EXPECT_FALSE(usageErr.empty());

    EXPECT_EQ(ReadFileBytes(log), logBefore);
    EXPECT_EQ(ReadFileBytes(settingsFile), settingsBefore);
}

// Chart is painted by a companion program, found in the folder of the one the
// person ran, wherever the two were put together.
TEST(ReportProcess, ChartFromTheInstalledFolder)
{
    TempDir dir;
    const QString config = QString::fromStdString(dir.File("config"));
    zk::QtSettingsStore(config).Write("Sitclock", "Edit", "Users", "Anna");
    const QString report = InstallInto(dir, true);
    const std::string log = (QFileInfo(report).absolutePath() + "/actions.dat").toStdString();
    WriteFileBytes(log, Bytes({{2026, 12, 8, 9, 0, 0}, {2026, 12, 8, 11, 0, 0}, "Anna"}));

    // Run through a relative name from elsewhere, with the log beside the programs.
    const QString svg = QString::fromStdString(dir.File("week.svg"));
    const Finished chart = RunProgram("opt with space/bin/zitklok-report",
                                 {"chart", "--week", "2026-12-09", "--output", svg}, config,
                                 QString::fromStdString(dir.Path().string()));
    ASSERT_EQ(chart.code, 0) << chart.err;
    const std::string picture = ReadFileBytes(svg.toStdString());
    EXPECT_NE(picture.find("week of 2026-12-07"), std::string::npos);
    EXPECT_NE(picture.find("Anna"), std::string::npos);

    // The chart's own help and usage errors come through unchanged.
    const Finished help = RunProgram(report, {"chart", "--help"}, config);
    EXPECT_EQ(help.code, 0);
    EXPECT_EQ(help.out.rfind("Usage: zitklok-report chart", 0), 0u) << help.out;
    const Finished bad = RunProgram(report, {"chart", "--output", "week.gif"}, config);
    EXPECT_EQ(bad.code, 2);
    EXPECT_NE(bad.err.find("week.gif"), std::string::npos) << bad.err;
}

TEST(ReportProcess, WithoutTheChartProgramOnlyChartFails)
{
    TempDir dir;
    const QString config = QString::fromStdString(dir.File("config"));
    const QString report = InstallInto(dir, false);
    const QString log = QString::fromStdString(dir.File("actions.dat"));
    WriteFileBytes(log.toStdString(),
                   Bytes({{2026, 12, 8, 9, 0, 0}, {2026, 12, 8, 11, 0, 0}, "Anna"}));

    const Finished chart = RunProgram(
        report, {"chart", "--users", "Anna", "--output", "week.png", log}, config);
    EXPECT_EQ(chart.code, 1);
    const std::string companion =
        (QFileInfo(report).absolutePath() + "/zitklok-report-chart").toStdString();
    EXPECT_NE(chart.err.find(companion), std::string::npos) << chart.err;

    const Finished totals = RunProgram(report, {"totals", "--csv", "--users", "Anna", log}, config);
    EXPECT_EQ(totals.code, 0) << totals.err;
    EXPECT_EQ(totals.out, "Day,Anna,Idle\r\n2026-12-08,7200,0\r\n");
}
