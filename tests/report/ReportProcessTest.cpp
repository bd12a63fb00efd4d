#include "platform/qt/QtSettingsStore.h"
#include "support/LogBytes.h"
#include "support/TempDir.h"

#include <QProcess>
#include <gtest/gtest.h>

#include <filesystem>

using namespace zk::test;
namespace fs = std::filesystem;

// The installed programs, run from a terminal without a display: the chart is painted by a
// companion program found beside the one the person ran, and without it only chart fails.
// The log beside the programs is read, never written, and so are the settings.
TEST(ReportProcess, RunsFromTheInstalledFolderAndOnlyReads)
{
    for (const bool withChart : {true, false}) {
        TempDir dir;
        const fs::path bin = dir.Path() / "opt with space" / "bin";
        fs::create_directories(bin);
        fs::copy_file(ZK_REPORT_EXE, bin / "zitklok-report");
        if (withChart)
            fs::copy_file(ZK_REPORT_CHART_EXE, bin / "zitklok-report-chart");
        const std::string log = (bin / "actions.dat").string();
        const std::string anna = Bytes({{{2026, 12, 8, 9, 0, 0}, {2026, 12, 8, 11, 0, 0}, "Anna"}});
        WriteFileBytes(log, anna);
        fs::permissions(log, fs::perms::owner_read);
        const QString config = QString::fromStdString(dir.File("config"));
        zk::QtSettingsStore(config).Write("Sitclock", "Edit", "Users", "Anna");
        const std::string settings = ReadFileBytes(dir.File("config/Sitclock/Sitclock.ini"));
        auto run = [&](const QStringList &args) {
            QProcess p;
            p.setWorkingDirectory(QString::fromStdString(dir.Path().string()));
            QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
            env.insert("XDG_CONFIG_HOME", config);
            env.remove("QT_QPA_PLATFORM");
            p.setProcessEnvironment(env);
            p.start("opt with space/bin/zitklok-report", args);
            EXPECT_TRUE(p.waitForFinished(30000));
            return std::tuple{p.exitCode(), p.readAllStandardOutput().toStdString(),
                              p.readAllStandardError().toStdString()};
        };
        EXPECT_EQ(std::get<0>(run({})), 2); // no command: bad usage
        const auto [code, out, err] = run({"totals", "--csv"});
        EXPECT_EQ(code, 0) << err;
        EXPECT_EQ(out, "Day,Anna,Idle\r\n2026-12-08,7200,0\r\n");
        const std::string svg = dir.File("week.svg");
        const auto [chartCode, chartOut, chartErr] =
            run({"chart", "--week", "2026-12-09", "--output", QString::fromStdString(svg)});
        if (withChart) {
            EXPECT_EQ(chartCode, 0) << chartErr;
            EXPECT_NE(ReadFileBytes(svg).find("week of 2026-12-07"), std::string::npos);
        } else {
            EXPECT_EQ(chartCode, 1);
            EXPECT_NE(chartErr.find((bin / "zitklok-report-chart").string()), std::string::npos)
                << chartErr;
        }
        EXPECT_EQ(ReadFileBytes(log), anna);
        EXPECT_EQ(ReadFileBytes(dir.File("config/Sitclock/Sitclock.ini")), settings);
    }
}
