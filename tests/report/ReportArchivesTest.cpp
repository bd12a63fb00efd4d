#include "support/LogBytes.h"

#include "report/RunReport.h"
#include "support/FakeSettings.h"
#include "support/TempDir.h"

#include <QTextStream>
#include <gtest/gtest.h>

using namespace zk::test;

// Across cuts of a full log the report reads the archives oldest first, then the log.
TEST(ReportArchives, ArchivesAreReadOldestFirstThenTheLog)
{
    TempDir dir;
    FakeSettings settings;
    const char *files[] = {"actions-2026-12-06.dat", "actions-2026-12-06-2.dat", "actions.dat"};
    for (int hour : {9, 7, 11}) // the second archive first, so that no listing order helps
        WriteFileBytes(
            dir.File(files[(hour - 7) / 2]),
            Bytes({{{2026, 12, 6, hour, 0, 0}, {2026, 12, 6, hour + 1, 0, 0}, "Jan"}}));
    QString out;
    QTextStream stream(&out);
    const QString log = QString::fromStdString(dir.File("actions.dat"));
    ASSERT_EQ(zk::report::RunReport({"list", log}, stream, stream, nullptr), 0);
    EXPECT_EQ(out.count(QStringLiteral("\t2026-12-06 ")), 6) << out.toStdString();
    const auto at = [&](const char *time) { return out.indexOf(time); };
    EXPECT_TRUE(at("07:00:00") < at("09:00:00") && at("09:00:00") < at("11:00:00"));
}
