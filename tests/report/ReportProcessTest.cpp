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

// The real program, with its settings in a folder of the test's own and no
// platform named, as from a terminal without a display.
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
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("XDG_CONFIG_HOME", config);
        env.remove("QT_QPA_PLATFORM");
        p.setProcessEnvironment(env);
        p.start(ZK_REPORT_EXE, args);
        EXPECT_TRUE(p.waitForFinished(30000));
        return std::make_tuple(p.exitCode(), p.readAllStandardOutput().toStdString(),
                               p.readAllStandardError().toStdString());
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
