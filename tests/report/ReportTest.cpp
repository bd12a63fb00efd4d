#include "report/LogBytes.h"
#include "report/CsvParser.h"

#include "activity_log/clsActionsDbase.h"
#include "report/DailyTotals.h"
#include "report/ReportLog.h"
#include "report/RunReport.h"
#include "report/WeekChart.h"
#include "support/FakeClock.h"
#include "support/FakeSettings.h"
#include "support/TempDir.h"
#include "time/OverflowError.h"

#include <QImage>
#include <QString>
#include <gtest/gtest.h>

using namespace zk::test;

namespace {

struct Result
{
    int code = -1;
    QString out;
    QString err;
};

Result Report(const QStringList &args)
{
    Result r;
    QTextStream out(&r.out);
    QTextStream err(&r.err);
    r.code = zk::report::RunReport(args, out, err, zk::report::SaveWeekChart);
    return r;
}

std::string LogOf(const std::vector<RawRecord> &records)
{
    std::string bytes;
    for (const auto &r : records)
        bytes += Bytes(r);
    return bytes;
}

// A household week: Monday 7 to Sunday 13 December 2026, with a record on
// either side of it.
std::vector<RawRecord> SampleWeek()
{
    return {
        Stretch({2026, 12, 7, 9, 0, 0}, {2026, 12, 7, 10, 0, 0}, "Jan"),
        // Across midnight: counts whole on the day it ended, for Jan as well.
        Stretch({2026, 12, 7, 23, 0, 0}, {2026, 12, 8, 1, 0, 0}, "Jansen: homework"),
        Stretch({2026, 12, 8, 1, 0, 0}, {2026, 12, 8, 1, 10, 0}, "Idle"),
        Stretch({2026, 12, 8, 10, 0, 0}, {2026, 12, 8, 10, 30, 0}, "Piet"),
        Stretch({2026, 12, 8, 11, 0, 0}, {2026, 12, 8, 12, 0, 0}, "piet in lower case"),
        Stretch({2026, 12, 9, 9, 0, 0}, {0, 0, 0, 0, 0, 0}, "Jan, never stopped"),
        Stretch({2026, 12, 9, 9, 0, 0}, {2026, 13, 9, 10, 0, 0}, "Jan, damaged end"),
        Stretch({2026, 12, 9, 9, 0, 0}, {2026, 12, 9, 12, 0, 0}, "Anna is no user"),
        Stretch({2026, 12, 14, 8, 0, 0}, {2026, 12, 14, 8, 30, 0}, "Jan"),
        Stretch({2026, 12, 5, 8, 0, 0}, {2026, 12, 5, 8, 15, 0}, "Jan"),
    };
}

QStringList Lines(const QString &text)
{
    QStringList lines = text.split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

} // namespace

TEST(ReportList, EveryRecordAsTheStoreReadsIt)
{
    TempDir dir;
    const std::string path = dir.File("actions.dat");
    std::vector<RawRecord> records{
        Stretch({2026, 12, 7, 9, 5, 3}, {2026, 12, 7, 11, 0, 0}, "Jan\tsat\nhere \\ caf\xe9"),
        Stretch({0, 0, 0, 0, 0, 0}, {2026, 12, 7, 11, 0, 0}, "no start"),
        Stretch({2026, 13, -5, 99, 0, 7}, {2026, 12, 7, 11, 0, 0}, "damaged"),
        Stretch({1, 1, 1, 0, 0, 0}, {30000, 1, 1, 0, 0, 0}, "far too long"),
    };
    // The last record is cut short at 100 bytes; its description still fits.
    const std::string partial(51, 'x');
    const std::string bytes = LogOf(records) + Bytes({{2026, 12, 8, 8, 0, 0},
                                                      {2026, 12, 8, 9, 0, 0}, partial})
                                                   .substr(0, 100);
    WriteFileBytes(path, bytes);

    const Result r = Report({"list", QString::fromStdString(path)});
    ASSERT_EQ(r.code, 0) << r.err.toStdString();
    const QStringList lines = Lines(r.out);
    ASSERT_EQ(lines.size(), 5); // 692 bytes round to 5 records

    clsActionsDbase store;
    store.OpenReadOnly(path);
    for (int i = 0; i < lines.size(); ++i) {
        const QStringList cols = lines[i].split('\t');
        ASSERT_EQ(cols.size(), 5) << lines[i].toStdString();
        EXPECT_EQ(cols[0], QString::number(i + 1));
        store.RecordNr(i + 1);
        try {
            EXPECT_EQ(cols[3], QString::number(store.ElapsedSeconds()));
        } catch (const zk::OverflowError &) {
            EXPECT_EQ(cols[3], "overflow");
        }
    }
    EXPECT_EQ(lines[0], QString::fromUtf8("1\t2026-12-07 09:05:03\t2026-12-07 11:00:00\t6897\t"
                                          "Jan\\tsat\\nhere \\\\ caf\u00e9"));
    EXPECT_TRUE(lines[1].startsWith("2\t-\t2026-12-07 11:00:00\t0\tno start"));
    EXPECT_TRUE(lines[2].startsWith("3\t2026-13--5 99:00:07\t")) << lines[2].toStdString();
    EXPECT_EQ(lines[3].split('\t')[3], "overflow");
    EXPECT_EQ(lines[4], QString("5\t2026-12-08 08:00:00\t2026-12-08 09:00:00\t3600\t") +
                            QString::fromStdString(partial));

    // A tail shorter than half a record is not a record.
    WriteFileBytes(path, LogOf({records[0], records[1]}) + std::string(60, 'z'));
    EXPECT_EQ(Lines(Report({"list", QString::fromStdString(path)}).out).size(), 2);

    WriteFileBytes(path, "");
    const Result empty = Report({"list", QString::fromStdString(path)});
    EXPECT_EQ(empty.code, 0);
    EXPECT_TRUE(empty.out.isEmpty());
}

TEST(ReportTotals, CountedAsTheProgramCountsAUsersDay)
{
    TempDir dir;
    const std::string path = dir.File("actions.dat");
    WriteFileBytes(path, LogOf(SampleWeek()));
    FakeSettings settings;
    settings.Write("Sitclock", "Edit", "Users", "Jan|Piet");
    const int writesBefore = settings.WriteCount();

    // Users from the program's settings; the settings are only read.
    const Result csv = Report({"totals", "--csv", QString::fromStdString(path)});
    ASSERT_EQ(csv.code, 0) << csv.err.toStdString();
    EXPECT_EQ(settings.WriteCount(), writesBefore);
    using Rows = std::vector<std::vector<std::string>>;
    EXPECT_EQ(ParseCsv(csv.out.toStdString()), (Rows{{"Day", "Jan", "Piet", "Idle"},
                                                     {"2026-12-05", "900", "0", "0"},
                                                     {"2026-12-07", "3600", "0", "0"},
                                                     {"2026-12-08", "7200", "1800", "600"},
                                                     {"2026-12-14", "1800", "0", "0"}}));

    // A range, and names with a comma and a quote.
    const Result named = Report({"totals", "--from", "2026-12-07", "--to=2026-12-08", "--csv",
                              "--users", "Jansen,Pi\"et,Kees\\, sr", QString::fromStdString(path)});
    ASSERT_EQ(named.code, 0) << named.err.toStdString();
    EXPECT_EQ(ParseCsv(named.out.toStdString()),
              (Rows{{"Day", "Jansen", "Pi\"et", "Kees, sr", "Idle"},
                    {"2026-12-08", "7200", "0", "0", "600"}}));

    // The empty name counts every record that ended that day, as the program's does.
    const Result everyone = Report({"totals", "--csv", "--users", ",Jan", "--from", "2026-12-08",
                                 "--to", "2026-12-08", QString::fromStdString(path)});
    EXPECT_EQ(ParseCsv(everyone.out.toStdString())[1],
              (std::vector<std::string>{"2026-12-08", "13200", "7200", "600"}));
}

TEST(ReportTotals, TableInHoursAndMinutesWithWeeksAndTotal)
{
    TempDir dir;
    const std::string path = dir.File("actions.dat");
    WriteFileBytes(path, LogOf(SampleWeek()));

    const Result r = Report({"totals", "--users", "Jan,Piet", QString::fromStdString(path)});
    ASSERT_EQ(r.code, 0) << r.err.toStdString();
    const QStringList lines = Lines(r.out);
    QStringList labels;
    for (const auto &line : lines) {
        EXPECT_EQ(line.size(), lines[0].size()) << "not aligned: " << line.toStdString();
        labels << line.section("  ", 0, 0).trimmed();
    }
    EXPECT_EQ(labels, (QStringList{"Day", "2026-12-05", "Week 2026-11-30", "2026-12-07",
                                   "2026-12-08", "Week 2026-12-07", "2026-12-14",
                                   "Week 2026-12-14", "Total"}));
    EXPECT_EQ(lines[4].simplified(), "2026-12-08 2:00 0:30 0:10");
    EXPECT_EQ(lines[5].simplified(), "Week 2026-12-07 3:00 0:30 0:10");
    EXPECT_EQ(lines[8].simplified(), "Total 3:45 0:30 0:10");

    // An empty log still gives the heading and a zero total.
    WriteFileBytes(path, "");
    const Result empty = Report({"totals", "--users", "Jan", QString::fromStdString(path)});
    EXPECT_EQ(empty.code, 0);
    EXPECT_EQ(Lines(empty.out).size(), 2);
    EXPECT_EQ(Lines(empty.out)[1].simplified(), "Total 0:00 0:00");
}

// Years of days: the table is written in many pieces and grouped in many
// weeks, across a gap of months and a leap day, with one record logged late.
TEST(ReportTotals, LongLogGroupedInWholeWeeks)
{
    using zk::report::ReportDay;
    std::vector<RawRecord> records;
    std::vector<ReportDay> days;
    for (ReportDay d{2023, 11, 20}; d < ReportDay{2026, 3, 1}; d = d.Plus(1)) {
        if (ReportDay{2024, 6, 5} < d && d < ReportDay{2024, 9, 20})
            continue;
        records.push_back(
            Stretch({d.year, d.month, d.day, 8, 0, 0}, {d.year, d.month, d.day, 9, 0, 0}, "Jan"));
        days.push_back(d);
    }
    std::swap(records[100], records[101]);
    TempDir dir;
    const std::string path = dir.File("actions.dat");
    WriteFileBytes(path, LogOf(records));

    const Result r = Report({"totals", "--users", "Jan", QString::fromStdString(path)});
    ASSERT_EQ(r.code, 0) << r.err.toStdString();
    const QStringList lines = Lines(r.out);
    std::vector<ReportDay> shown;
    std::size_t weekStart = 0; // first day of the week being read
    int weeks = 0;
    for (qsizetype i = 1; i + 1 < lines.size(); ++i) {
        ASSERT_EQ(lines[i].size(), lines[0].size()) << lines[i].toStdString();
        const QStringList cells = lines[i].simplified().split(' ');
        if (cells[0] != "Week") {
            shown.push_back(*ReportDay::Parse(cells[0].toStdString()));
            EXPECT_EQ(cells[1], "1:00");
            continue;
        }
        // Each week sum follows the days of one Monday-to-Sunday week.
        const auto monday = ReportDay::Parse(cells[1].toStdString());
        ASSERT_TRUE(monday) << lines[i].toStdString();
        EXPECT_EQ(monday->DayInWeek(), 1);
        ASSERT_LT(weekStart, shown.size()) << lines[i].toStdString();
        EXPECT_EQ(shown[weekStart].MondayOfWeek(), *monday) << lines[i].toStdString();
        EXPECT_LT(shown.back(), monday->Plus(7)) << lines[i].toStdString();
        EXPECT_EQ(cells[2], QString("%1:00").arg(shown.size() - weekStart));
        weekStart = shown.size();
        ++weeks;
    }
    EXPECT_EQ(shown, days);
    EXPECT_EQ(weekStart, shown.size());
    EXPECT_EQ(weeks, 105); // 119 weeks, 14 of them wholly in the gap and 2 split by it
    EXPECT_EQ(lines.last().simplified(), QString("Total %1:00 0:00").arg(days.size()));
}

TEST(ReportUsage, BadUsageMissingFileAndHelp)
{
    TempDir dir;
    const std::string path = dir.File("actions.dat");
    WriteFileBytes(path, LogOf(SampleWeek()));
    const QString log = QString::fromStdString(path);

    const std::vector<QStringList> bad{
        {},
        {"sum"},
        {"totals", "--from", "2026-02-30", log},
        {"totals", "--from", "7-12-2026", log},
        {"totals", "--from", "2026-12-08", "--to", "2026-12-07", log},
        {"totals", "--users"},
        {"list", "--csv", log},
        {"list", log, log},
        {"chart", log},
        {"chart", "--output", dir.File("week.jpg").c_str(), log},
        {"chart", "--week", "tomorrow", "--output", "w.png", log},
    };
    for (const auto &args : bad) {
        const Result r = Report(args);
        EXPECT_EQ(r.code, 2) << args.join(' ').toStdString();
        EXPECT_EQ(r.err.count('\n'), 1) << r.err.toStdString();
        EXPECT_TRUE(r.err.endsWith('\n'));
        EXPECT_TRUE(r.out.isEmpty());
    }

    const QString missing = QString::fromStdString(dir.File("nowhere/actions.dat"));
    for (const QStringList &args :
         std::vector<QStringList>{{"list", missing}, {"totals", "--users=Jan", missing}}) {
        const Result gone = Report(args);
        EXPECT_EQ(gone.code, 1);
        EXPECT_TRUE(gone.err.contains(missing)) << gone.err.toStdString();
        EXPECT_TRUE(gone.out.isEmpty());
    }

    for (const QStringList &args : std::vector<QStringList>{
             {"--help"}, {"list", "--help"}, {"totals", "--help"}, {"chart", "--help"}}) {
        const Result r = Report(args);
        EXPECT_EQ(r.code, 0);
        EXPECT_TRUE(r.out.startsWith("Usage: zitklok-report")) << r.out.toStdString();
    }
}

TEST(ReportChart, SampleWeekAsPngAndSvg)
{
    TempDir dir;
    const std::string path = dir.File("actions.dat");
    WriteFileBytes(path, LogOf(SampleWeek()));
    const auto log = zk::report::ReportLog::Read(path);

    // Any day of the week picks Monday to Sunday around it.
    const zk::report::ReportDay wednesday{2026, 12, 9};
    const zk::report::DailyTotals totals(log.records, {"Jan", "Piet"},
                                         wednesday.MondayOfWeek(),
                                         wednesday.MondayOfWeek().Plus(6));
    const zk::report::WeekChart chart(totals, wednesday);
    EXPECT_EQ(chart.Days().front(), (zk::report::ReportDay{2026, 12, 7}));
    EXPECT_EQ(chart.Days().back(), (zk::report::ReportDay{2026, 12, 13}));
    EXPECT_EQ(chart.Seconds(0, 0), 3600);
    EXPECT_EQ(chart.Seconds(0, 1), 7200);
    EXPECT_EQ(chart.Seconds(1, 1), 1800);

    const QString png = QString::fromStdString(dir.File("week.png"));
    const Result r = Report({"chart", "--week", "2026-12-09", "--users", "Jan,Piet", "--output",
                          png, QString::fromStdString(path)});
    ASSERT_EQ(r.code, 0) << r.err.toStdString();
    const QImage image(png);
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.size(), QSize(800, 450));

    // This week by default; a week without records draws no bars.
    FakeClock clock({2027, 3, 3, 12, 0, 0});
    const QString svg = QString::fromStdString(dir.File("empty.SVG"));
    ASSERT_EQ(Report({"chart", "--users", "Jan,Piet", "--output", svg,
                   QString::fromStdString(path)})
                  .code,
              0);
    const std::string text = ReadFileBytes(svg.toStdString());
    EXPECT_NE(text.find("<svg"), std::string::npos);
    EXPECT_NE(text.find("week of 2027-03-01"), std::string::npos);
    EXPECT_NE(text.find("Piet"), std::string::npos);

    const Result unwritable = Report({"chart", "--users", "Jan", "--output",
                                   QString::fromStdString(dir.File("no/such/folder/w.png")),
                                   QString::fromStdString(path)});
    EXPECT_EQ(unwritable.code, 1);
    EXPECT_TRUE(unwritable.err.contains("no/such/folder/w.png"));
}
