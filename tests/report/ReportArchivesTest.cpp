#include "report/LogBytes.h"

#include "report/RunReport.h"
#include "support/FakeSettings.h"
#include "support/TempDir.h"

#include <QTextStream>
#include <gtest/gtest.h>

using namespace zk::test;

// Across cuts of a full log the list reads the archives first, oldest first,
// then the log; the totals of a day split by a cut stay whole.
TEST(ReportArchives, ArchivesAreReadOldestFirstThenTheLog)
{
    TempDir dir;
    FakeSettings settings;
    const auto day = [](std::int32_t hour) {
        return std::array<std::int32_t, 6>{2026, 12, 6, hour, 0, 0};
    };
    WriteFileBytes(dir.File("actions-2026-12-06-2.dat"), Bytes(Stretch(day(9), day(10), "Jan")));
    WriteFileBytes(dir.File("actions-2026-12-06.dat"), Bytes(Stretch(day(7), day(8), "Jan")));
    WriteFileBytes(dir.File("actions.dat"), Bytes(Stretch(day(11), day(12), "Jan")));
    QString out;
    QString err;
    QTextStream outStream(&out);
    QTextStream errStream(&err);
    const QString log = QString::fromStdString(dir.File("actions.dat"));
    ASSERT_EQ(zk::report::RunReport({"list", log}, outStream, errStream, nullptr), 0);
    const QStringList lines = out.split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 3);
    for (int i = 0; i < 3; ++i)
        EXPECT_TRUE(lines[i].contains(
            QStringLiteral("2026-12-06 %1:00:00").arg(7 + 2 * i, 2, 10, QChar('0'))))
            << lines[i].toStdString();
    out.clear();
    ASSERT_EQ(zk::report::RunReport({"totals", "--csv", "--users", "Jan", log}, outStream,
                                    errStream, nullptr),
              0);
    EXPECT_TRUE(out.contains("10800")) << out.toStdString();
}
