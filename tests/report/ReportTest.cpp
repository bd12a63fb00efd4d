#include "report/ReportText.h"
#include "report/RunReport.h"
#include "report/WeekChartFile.h"
#include "totals/DailyTotals.h"
#include "support/FakeClock.h"
#include "support/FakeSettings.h"
#include "support/LogBytes.h"
#include "support/TempDir.h"

#include <QImage>
#include <gtest/gtest.h>

using namespace zk::test;
using namespace zk;
using namespace zk::report;

namespace {

struct Result { int code = -1; std::string out, err; };

class Report : public ::testing::Test
{
protected:
    Result Run(QStringList args)
    {
        QString out, err;
        QTextStream outStream(&out), errStream(&err);
        for (QString &a : args) // LOG: the log, DIR: its folder
            a.replace("LOG", QString::fromStdString(path)).replace("DIR", dir.Path().c_str());
        const int code = RunReport(args, outStream, errStream, SaveWeekChart);
        return {code, out.toLatin1().toStdString(), err.toLatin1().toStdString()};
    }

    TempDir dir;
    std::string path = dir.File("actions.dat");
    FakeSettings settings;
};

// A household week, Monday 7 to Sunday 13 December 2026, with a record on either side.
const std::string kWeek = Bytes({
    {{2026, 12, 7, 9, 0, 0}, {2026, 12, 7, 10, 0, 0}, "Jan"},
    {{2026, 12, 7, 23, 0, 0}, {2026, 12, 8, 1, 0, 0}, "Jansen: homework"}, // counts where it ends
    {{2026, 12, 8, 1, 0, 0}, {2026, 12, 8, 1, 10, 0}, "Idle"},
    {{2026, 12, 8, 10, 0, 0}, {2026, 12, 8, 10, 30, 0}, "Piet"},
    {{2026, 12, 14, 8, 0, 0}, {2026, 12, 14, 8, 30, 0}, "Jan"},
    {{2026, 12, 5, 8, 0, 0}, {2026, 12, 5, 8, 15, 0}, "Jan"},
    {{2026, 12, 28, 8, 0, 0}, {2026, 12, 28, 9, 0, 0}, "Jan"}, // after a week without use
});

} // namespace

TEST(ReportTexts, KnownAnswers)
{
    const std::pair<LocalDateTime, const char *> times[] = {
        {{2026, 12, 7, 9, 5, 3}, "2026-12-07 09:05:03"},
        {{0, 12, 7, 9, 5, 3}, "-"},
        {{2026, 13, -5, 99, 0, 7}, "2026-13--5 99:00:07"},
        {{7, 1, 1, 0, 0, 0}, "0007-01-01 00:00:00"}};
    for (const auto &[group, text] : times)
        EXPECT_EQ(DateTimeText(group), text);
    const std::pair<std::string, std::string> escaped[] = {
        {"a\tb\nc\rd\\e", "a\\tb\\nc\\rd\\\\e"}, {"caf\xE9", "caf\xE9"}};
    for (const auto &[in, out] : escaped)
        EXPECT_EQ(Escaped(in), out);
    const std::pair<std::string, std::string> csv[] = {
        {"Jan", "Jan"}, {"a,b", "\"a,b\""}, {"Pi\"et", "\"Pi\"\"et\""}, {"a\nb", "\"a\nb\""},
        {"", ""}};
    for (const auto &[in, out] : csv)
        EXPECT_EQ(CsvField(in), out);
    const std::pair<std::string, std::vector<std::string>> names[] = {
        {"", {}}, {"Jan", {"Jan"}}, {"Jan,Piet,Jan", {"Jan", "Piet"}}, {",Jan", {"", "Jan"}},
        {"Kees\\, sr,a\\\\b", {"Kees, sr", "a\\b"}}, {"a\\b\\", {"a\\b\\"}}};
    for (const auto &[argument, list] : names)
        EXPECT_EQ(ParseUserNames(argument), list) << argument;
    const DailyTotals lastDay({LogEntry{.nr = 1, .start = {}, .end = {32767, 12, 31, 0, 0, 0},
                                        .elapsed = 60, .description = "Jan"}},
                              {"Jan"});
    EXPECT_NE(TotalsTable(lastDay).find("Week 32767-12-25  0:01"), std::string::npos);
}

TEST_F(Report, ListShowsEveryRecordAsTheStoreReadsIt)
{
    WriteFileBytes(path, Bytes({{{2026, 12, 7, 9, 5, 3}, {2026, 12, 7, 11, 0, 0}, "Jan\tcaf\xe9"},
                                {{0, 0, 0, 0, 0, 0}, {2026, 12, 7, 11, 0, 0}, "no start"},
                                {{1, 1, 1, 0, 0, 0}, {30000, 1, 1, 0, 0, 0}, "far"}}) +
                             std::string(80, 'z')); // more than half a record: one more
    const Result r = Run({"list", "LOG"});
    EXPECT_EQ(r.code, 3);
    EXPECT_EQ(r.err, "zitklok-report: " + path +
                         " ends in a damaged record: 80 bytes after the last whole one of 148\n");
    EXPECT_EQ(r.out.substr(0, r.out.find("4\t")),
              "1\t2026-12-07 09:05:03\t2026-12-07 11:00:00\t6897\tJan\\tcaf\xe9\n"
              "2\t-\t2026-12-07 11:00:00\t0\tno start\n"
              "3\t0001-01-01 00:00:00\t30000-01-01 00:00:00\toverflow\tfar\n");
}

TEST_F(Report, TotalsCountAUsersDayAsTheProgramDoes)
{
    WriteFileBytes(path, kWeek);
    settings.Write("Sitclock", "Edit", "Users", "Jan|Piet");
    const std::pair<QStringList, std::string> rows[] = {
        {{"totals", "--csv", "LOG"},
         "Day,Jan,Piet,Idle\r\n2026-12-05,900,0,0\r\n2026-12-07,3600,0,0\r\n"
         "2026-12-08,7200,1800,600\r\n2026-12-14,1800,0,0\r\n"
         "2026-12-28,3600,0,0\r\n"},
        {{"totals", "--from", "2026-12-07", "--to=2026-12-08", "--csv", "--users",
          "Jansen,Pi\"et,Kees\\, sr", "LOG"},
         "Day,Jansen,\"Pi\"\"et\",\"Kees, sr\",Idle\r\n2026-12-08,7200,0,0,600\r\n"},
        {{"totals", "--csv", "--users", ",Jan", "--from", "2026-12-08", "--to", "2026-12-08",
          "LOG"},
         "Day,,Jan,Idle\r\n2026-12-08,9600,7200,600\r\n"},
        {{"totals", "--users", "Jan,Piet", "--from", "2026-12-06", "LOG"},
         "Day               Jan  Piet  Idle\n"
         "2026-12-07       1:00  0:00  0:00\n"
         "2026-12-08       2:00  0:30  0:10\n"
         "Week 2026-12-07  3:00  0:30  0:10\n"
         "2026-12-14       0:30  0:00  0:00\n"
         "Week 2026-12-14  0:30  0:00  0:00\n"
         "2026-12-28       1:00  0:00  0:00\n"
         "Week 2026-12-28  1:00  0:00  0:00\n"
         "Total            4:30  0:30  0:10\n"},
    };
    for (const auto &[args, out] : rows) {
        const Result r = Run(args);
        EXPECT_EQ(r.code, 0) << r.err;
        EXPECT_EQ(r.out, out) << args.join(' ').toStdString();
    }
    EXPECT_EQ(settings.WriteCount(), 1); // the settings are only read

    // With limits (Jan: 90 minutes on school days, none at weekends) the CSV has Jan's limit of
    // each day and the table marks the days he went over it.
    settings.Write("Sitclock", "Limits", "Jan", "90,-,0");
    const std::pair<QStringList, std::string> limited[] = {
        {{"totals", "--csv", "--to", "2026-12-08", "LOG"},
         "Day,Jan,Piet,Idle,Jan limit\r\n2026-12-05,900,0,0,\r\n2026-12-07,3600,0,0,5400\r\n"
         "2026-12-08,7200,1800,600,5400\r\n"},
        {{"totals", "--from", "2026-12-08", "--to", "2026-12-08", "LOG"},
         "Day               Jan  Piet  Idle\n"
         "2026-12-08       2:00  0:30  0:10  * Jan\n"
         "Week 2026-12-07  2:00  0:30  0:10\n"
         "Total            2:00  0:30  0:10\n"},
    };
    for (const auto &[args, out] : limited)
        EXPECT_EQ(Run(args).out, out) << args.join(' ').toStdString();
}

// Help starts with its usage line on standard output; anything else is one line on standard
// error, naming a file that cannot be read.
TEST_F(Report, BadUsageMissingFilesAndHelp)
{
    WriteFileBytes(path, kWeek);
    const std::tuple<QStringList, int, std::string> rows[] = {
        {{}, 2, ""}, {{"sum"}, 2, ""}, {{"totals", "--users"}, 2, ""}, {{"chart", "LOG"}, 2, ""},
        {{"totals", "--from", "2026-02-30", "LOG"}, 2, ""},
        {{"totals", "--from", "2026-12-08", "--to", "2026-12-07", "LOG"}, 2, ""},
        {{"totals", "--output", "w.png", "LOG"}, 2, ""}, {{"list", "--csv", "LOG"}, 2, ""},
        {{"list", "LOG", "LOG"}, 2, ""}, {{"chart", "--output", "w.jpg", "LOG"}, 2, ""},
        {{"chart", "--week", "tomorrow", "--output", "w.png", "LOG"}, 2, ""},
        {{"list", "LOG.gone"}, 1, ""}, {{"totals", "--users=Jan", "LOG.gone"}, 1, ""},
        {{"--help"}, 0, "COMMAND"}, {{"-h"}, 0, "COMMAND"}, {{"help"}, 0, "COMMAND"},
        {{"list", "--help"}, 0, "list"}, {{"totals", "--help"}, 0, "totals"},
        {{"chart", "--help"}, 0, "chart"}};
    for (const auto &[args, code, start] : rows) {
        SCOPED_TRACE(args.join(' ').toStdString());
        const Result r = Run(args);
        EXPECT_EQ(r.code, code);
        const std::string &said = code == 0 ? r.out : r.err;
        const std::string lookFor =
            code == 1 ? path + ".gone" : code == 0 ? "Usage: zitklok-report " + start : start;
        EXPECT_EQ(said.find(lookFor) == 0, code != 1) << said;
        EXPECT_NE(said.find(lookFor), std::string::npos) << said;
        EXPECT_TRUE(code == 0 || std::count(said.begin(), said.end(), '\n') == 1) << said;
    }
}

TEST_F(Report, AWeekChartOfTheChosenWeek)
{
    WriteFileBytes(path, kWeek);
    EXPECT_EQ(Run({"chart", "--week", "2026-12-09", "--output", "DIR/w.png", "LOG"}).code, 0);
    EXPECT_EQ(QImage(QString::fromStdString(dir.File("w.png"))).size(), QSize(800, 450));
    FakeClock clock({2027, 3, 3, 12, 0, 0}); // this week by default
    settings.Write("Sitclock", "Options", "Language", "NL"); // the chart speaks it
    EXPECT_EQ(Run({"chart", "--users", "Jan,Piet", "--output", "DIR/nl.SVG", "LOG"}).code, 0);
    for (const char *said : {"Uren per dag, week van 2027-03-01", "1 mrt", ">ma<"})
        EXPECT_NE(ReadFileBytes(dir.File("nl.SVG")).find(said), std::string::npos) << said;
    const Result unwritable = Run({"chart", "--users", "Jan", "--output", "DIR/no/w.png", "LOG"});
    EXPECT_EQ(unwritable.code, 1);
    EXPECT_NE(unwritable.err.find("no/w.png"), std::string::npos);
}

// Across cuts of a full log the archives are read oldest first, then the log; a log missing
// beside its archives (ended right after a cut) holds nothing yet.
TEST_F(Report, ArchivesAreReadOldestFirstThenTheLog)
{
    const char *files[] = {"actions-2026-12-06.dat", "actions-2026-12-06-2.dat", "actions.dat"};
    for (int hour : {9, 7, 11}) // the second archive first, so that no listing order helps
        WriteFileBytes(dir.File(files[(hour - 7) / 2]),
                       Bytes({{{2026, 12, 6, hour, 0, 0}, {2026, 12, 6, hour + 1, 0, 0}, "Jan"}}));
    EXPECT_EQ(Run({"list", "LOG"}).out,
              "# " + dir.File(files[0]) + "\n1\t2026-12-06 07:00:00\t2026-12-06 08:00:00\t3600\tJan\n"
              "# " + dir.File(files[1]) + "\n1\t2026-12-06 09:00:00\t2026-12-06 10:00:00\t3600\tJan\n"
              "# " + path + "\n1\t2026-12-06 11:00:00\t2026-12-06 12:00:00\t3600\tJan\n");
    std::filesystem::remove(path);
    EXPECT_EQ(Run({"list", "LOG"}).code, 0);
}

// Without users in the settings, totals and the chart say on standard error how to name them, in
// the settings' language (English without one); the help says the table is in h:mm.
TEST_F(Report, WithoutUsersTheReportHintsAtUsers)
{
    WriteFileBytes(path, kWeek);
    const std::pair<const char *, std::string> rows[] = {
        {"", "no users in the settings; name them with --users NAME,NAME"},
        {"NL", "geen gebruikers in de instellingen; noem ze met --users NAAM,NAAM"}};
    for (const auto &[language, hint] : rows) {
        SCOPED_TRACE(language);
        if (*language)
            settings.Write("Sitclock", "Options", "Language", language);
        EXPECT_EQ(Run({"totals", "LOG"}).err, "zitklok-report: " + hint + "\n");
        EXPECT_EQ(Run({"chart", "--output", "DIR/w.png", "LOG"}).err, "zitklok-report: " + hint + "\n");
    }
    EXPECT_EQ(Run({"totals", "--users", "Jan", "LOG"}).err, "");
    EXPECT_NE(Run({"--help"}).out.find("h:mm"), std::string::npos);
}
