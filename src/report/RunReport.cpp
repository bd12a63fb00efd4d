#include "report/RunReport.h"

#include "activity_log/LogArchive.h"
#include "activity_log/clsActionsDbase.h"
#include "limits/LimitSettings.h"
#include "localisation/OwnMessages.h"
#include "localisation/gclsLanguageChange.h"
#include "platform/Clock.h"
#include "platform/qt/Latin1.h"
#include "platform/qt/QtSettingsStore.h"
#include "report/ReadOnlySettings.h"
#include "report/ReportText.h"
#include "time/OverflowError.h"
#include "totals/DailyTotals.h"
#include "totals/LogVisitor.h"
#include "users/clsUsers.h"

#include <QCoreApplication>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <string_view>

namespace zk::report {

namespace {

constexpr int kOk = 0;
constexpr int kUnreadable = 1;
constexpr int kBadUsage = 2;
constexpr int kDamaged = 3;

const char *const kMainHelp =
    "Usage: zitklok-report COMMAND [OPTIONS] [FILE]\n"
    "Reports on the household's activity log (actions.dat) without changing it.\n"
    "\n"
    "Commands:\n"
    "  list     every record: number, start, end, seconds, description\n"
    "  totals   hours:minutes (h:mm) per user per day, with idle time, weekly subtotals\n"
    "           and a total; seconds with --csv\n"
    "  chart    a bar chart of each user's hours on the days of one week\n"
    "\n"
    "FILE defaults to actions.dat beside this program. The full logs kept beside it\n"
    "(actions-YYYY-MM-DD.dat, -2 ...) are read first, oldest first.\n"
    "'zitklok-report COMMAND --help'\n"
    "describes a command. Exit codes: 0 success, 1 unreadable log or unwritable chart,\n"
    "2 bad usage, 3 a log or archive ends in a damaged record (told on standard error;\n"
    "the records before it are reported).\n";

const char *const kListHelp =
    "Usage: zitklok-report list [FILE]\n"
    "One line per record, tab-separated: record number, start and end as\n"
    "YYYY-MM-DD HH:MM:SS ('-' when not set), elapsed seconds ('overflow' when they\n"
    "do not fit 32 bits) and the description, with tab, newline, carriage return and\n"
    "backslash written as \\t, \\n, \\r and \\\\. Damaged fields show as stored.\n"
    "Record numbers count from 1 in each file. With full logs kept beside the log,\n"
    "each file's records follow a line '# FILE' naming it, the archives first.\n";

const char *const kTotalsHelp =
    "Usage: zitklok-report totals [--from DAY] [--to DAY] [--users NAMES] [--csv] [FILE]\n"
    "Time per user per day, counted as the program counts a user's total of today:\n"
    "a record counts on the day it ended, with its whole duration, for every user\n"
    "whose name begins its description. Records beginning with \"Idle\" make the Idle\n"
    "column.\n"
    "  --from DAY, --to DAY  first and last day to show (YYYY-MM-DD)\n"
    "  --users NAMES         comma-separated names instead of the program's users;\n"
    "                        write \\, for a comma and \\\\ for a backslash in a name\n"
    "  --csv                 CSV (RFC 4180) in seconds instead of a table in hours:minutes\n";

const char *const kChartHelp =
    "Usage: zitklok-report chart [--week DAY] [--users NAMES] --output FILE.png|FILE.svg"
    " [FILE]\n"
    "Draws each user's hours on the seven days (Monday to Sunday) of the week holding\n"
    "DAY (YYYY-MM-DD; this week when left out), with the two-hour line, as an 800 x 450\n"
    "picture. Users and counting as for 'totals'.\n";

struct Usage
{
    QString reason;
};

struct Options
{
    QString command;
    bool help = false;
    std::optional<CalendarDay> from;
    std::optional<CalendarDay> to;
    std::optional<CalendarDay> week;
    std::optional<std::vector<std::string>> users;
    bool csv = false;
    QString output;
    QString file;
};

CalendarDay DayArgument(const QString &option, const QString &value)
{
    const auto day = CalendarDay::Parse(value.toStdString());
    if (!day)
        throw Usage{QStringLiteral("%1 wants a day as YYYY-MM-DD, not \"%2\"").arg(option, value)};
    return *day;
}

Options Parse(const QStringList &args)
{
    Options o;
    if (args.isEmpty())
        throw Usage{QStringLiteral("no command given (list, totals or chart); see --help")};
    o.command = args[0];
    if (o.command == "--help" || o.command == "-h" || o.command == "help") {
        o.help = true;
        o.command.clear();
        return o;
    }
    if (o.command != "list" && o.command != "totals" && o.command != "chart")
        throw Usage{
            QStringLiteral("unknown command \"%1\" (list, totals or chart)").arg(o.command)};

    const bool totals = o.command == "totals";
    const bool chart = o.command == "chart";
    bool haveFile = false;
    for (qsizetype i = 1; i < args.size(); ++i) {
        QString arg = args[i];
        std::optional<QString> inlineValue;
        if (arg.startsWith("--") && arg.contains('=')) {
            inlineValue = arg.mid(arg.indexOf('=') + 1);
            arg = arg.left(arg.indexOf('='));
        }
        auto value = [&]() -> QString {
            if (inlineValue)
                return *inlineValue;
            if (i + 1 >= args.size())
                throw Usage{QStringLiteral("%1 needs a value").arg(arg)};
            return args[++i];
        };
        if (arg == "--help" || arg == "-h") {
            o.help = true;
        } else if (totals && arg == "--from") {
            o.from = DayArgument(arg, value());
        } else if (totals && arg == "--to") {
            o.to = DayArgument(arg, value());
        } else if (totals && arg == "--csv" && !inlineValue) {
            o.csv = true;
        } else if ((totals || chart) && arg == "--users") {
            o.users = ParseUserNames(zk::FromQt(value()));
        } else if (chart && arg == "--week") {
            o.week = DayArgument(arg, value());
        } else if (chart && arg == "--output") {
            o.output = value();
        } else if (arg.startsWith('-') && arg != "-") {
            throw Usage{QStringLiteral("unknown option \"%1\" for %2").arg(args[i], o.command)};
        } else if (haveFile) {
            throw Usage{QStringLiteral("more than one log file given: \"%1\"").arg(arg)};
        } else {
            o.file = arg;
            haveFile = true;
        }
    }
    if (o.help)
        return o;
    if (o.from && o.to && *o.to < *o.from)
        throw Usage{QStringLiteral("--from %1 lies after --to %2")
                        .arg(QString::fromStdString(o.from->ToText()),
                             QString::fromStdString(o.to->ToText()))};
    if (chart) {
        if (o.output.isEmpty())
            throw Usage{QStringLiteral("chart needs --output FILE.png or FILE.svg")};
        const QString lower = o.output.toLower();
        if (!lower.endsWith(".png") && !lower.endsWith(".svg"))
            throw Usage{QStringLiteral("the chart is written as PNG or SVG; \"%1\" ends in "
                                       "neither .png nor .svg")
                            .arg(o.output)};
    }
    if (o.file.isEmpty())
        o.file = QCoreApplication::applicationDirPath() + "/actions.dat";
    return o;
}

// The names of the program's user list, read without ever writing the
// settings back.
std::vector<std::string> SettingsUsers()
{
    SettingsStore &previous = CurrentSettings();
    ReadOnlySettings readOnly(previous);
    SetCurrentSettings(&readOnly);
    std::vector<std::string> names;
    {
        clsUsers users;
        for (std::int16_t i = 1; i <= users.Count(); ++i) {
            std::string name = users.Item(i);
            if (std::find(names.begin(), names.end(), name) == names.end())
                names.push_back(std::move(name));
        }
    }
    SetCurrentSettings(&previous);
    return names;
}

// Our 8-bit text as the stream takes it, without first making a QString of it.
QLatin1String Latin1(std::string_view text)
{
    return QLatin1String(text.data(), static_cast<qsizetype>(text.size()));
}

// The users to count: those named by --users, else the program's; with none
// at all the only column is Idle, so the person hears how to name them.
std::vector<std::string> Users(const Options &o, QTextStream &err)
{
    if (o.users)
        return *o.users;
    std::vector<std::string> names = SettingsUsers();
    if (names.empty())
        err << "zitklok-report: "
            << Latin1(OwnMessage("no users in the settings; name them with --users")) << '\n';
    return names;
}

// The files of a log, as the program keeps them: the archives beside it,
// oldest first, then the log itself (missing right after a cut).
std::vector<std::string> LogFiles(const QString &file)
{
    const std::string path = zk::FromQt(file);
    std::vector<std::string> files = LogArchive::Beside(path);
    std::error_code error;
    if (files.empty() || std::filesystem::exists(path, error))
        files.push_back(path);
    return files;
}

struct Visited
{
    std::int64_t unreachable; // records past 32767
    bool damaged;             // a file is not whole records
};

// Every record of every file; files that end in a damaged record are told on
// err once their records are reported.
Visited VisitLog(const QString &file, QTextStream &err, const LogVisitor::Visit &visit,
                 const std::function<void(const std::string &)> &begin = {})
{
    const std::vector<std::string> files = LogFiles(file);
    std::int64_t unreachable = 0;
    std::vector<std::pair<std::string, std::uintmax_t>> tails;
    for (const std::string &path : files) {
        if (begin && files.size() > 1)
            begin(path);
        std::error_code error;
        const std::uintmax_t size = std::filesystem::file_size(path, error);
        unreachable += LogVisitor::File(path, visit);
        if (!error && size % ActionRecord::kSize != 0)
            tails.emplace_back(path, size % ActionRecord::kSize);
    }
    for (const auto &[path, rest] : tails)
        err << "zitklok-report: " << Latin1(path) << " ends in a damaged record: " << rest
            << " bytes after the last whole one of " << ActionRecord::kSize << '\n';
    return {.unreachable = unreachable, .damaged = !tails.empty()};
}

void Notes(std::int64_t unreachable, const DailyTotals *totals, QTextStream &err)
{
    if (unreachable > 0)
        err << "zitklok-report: note: " << unreachable
            << " records past number 32767 cannot be reached and are left out\n";
    if (totals && totals->Overflowed() > 0)
        err << "zitklok-report: note: " << totals->Overflowed()
            << " records are left out because their elapsed time overflows\n";
}

int List(const Options &o, QTextStream &out, QTextStream &err)
{
    const Visited visited = VisitLog(
        o.file, err, [&](const LogEntry &r) { out << Latin1(ListLine(r)) << '\n'; },
        [&](const std::string &path) { out << "# " << Latin1(path) << '\n'; });
    Notes(visited.unreachable, nullptr, err);
    return visited.damaged ? kDamaged : kOk;
}

int Totals(const Options &o, QTextStream &out, QTextStream &err)
{
    DailyTotals totals(Users(o, err), o.from, o.to);
    const Visited visited = VisitLog(o.file, err, [&](const LogEntry &r) { totals.Add(r); });
    const TextSink sink = [&](std::string_view piece) { out << Latin1(piece); };
    // Each user's limits read once: the settings file is parsed at every read.
    std::map<std::string, zk::UserLimits> known;
    const LimitOf limits = [&known](const std::string &user, const CalendarDay &day) {
        auto it = known.find(user);
        if (it == known.end())
            it = known.emplace(user, zk::LimitSettings::Of(user)).first;
        return std::optional<std::int64_t>(it->second.SecondsOn(day));
    };
    if (o.csv)
        WriteTotalsCsv(totals, sink, limits);
    else
        WriteTotalsTable(totals, sink, limits);
    Notes(visited.unreachable, &totals, err);
    return visited.damaged ? kDamaged : kOk;
}

int Chart(const Options &o, QTextStream &err, ChartSaver saveChart)
{
    if (!saveChart) {
        err << "zitklok-report: this program cannot draw charts\n";
        return kUnreadable;
    }
    CalendarDay day;
    if (o.week) {
        day = *o.week;
    } else {
        const LocalDateTime now = CurrentClock().Now();
        day = CalendarDay{now.year, now.month, now.day};
    }
    const CalendarDay monday = day.MondayOfWeek();
    DailyTotals totals(Users(o, err), monday, monday.Plus(6));
    const Visited visited = VisitLog(o.file, err, [&](const LogEntry &r) { totals.Add(r); });
    const QString failure = saveChart(totals, day, o.output);
    Notes(visited.unreachable, &totals, err);
    if (!failure.isEmpty()) {
        err << "zitklok-report: " << failure << '\n';
        return kUnreadable;
    }
    return visited.damaged ? kDamaged : kOk;
}

} // namespace

int RunReport(const QStringList &args, QTextStream &out, QTextStream &err, ChartSaver saveChart)
{
    int result = kOk;
    // The settings' language, for the few texts of ours besides the English
    // ones of a command line: the hint at --users and the chart.
    struct CurrentForTheRun
    {
        gclsLanguageChange language;
        gclsLanguageChange *previous = &gLanguageChange();
        CurrentForTheRun() { SetCurrentLanguage(&language); }
        ~CurrentForTheRun() { SetCurrentLanguage(previous); }
    } settingsLanguage;
    try {
        const Options o = Parse(args);
        if (o.help) {
            out << (o.command == "list"     ? kListHelp
                    : o.command == "totals" ? kTotalsHelp
                    : o.command == "chart"  ? kChartHelp
                                            : kMainHelp);
        } else if (o.command == "list") {
            result = List(o, out, err);
        } else if (o.command == "totals") {
            result = Totals(o, out, err);
        } else {
            result = Chart(o, err, saveChart);
        }
    } catch (const Usage &u) {
        err << "zitklok-report: " << u.reason << '\n';
        result = kBadUsage;
    } catch (const zk::FileError &e) {
        err << "zitklok-report: " << e.what() << '\n';
        result = kUnreadable;
    } catch (const zk::OverflowError &e) {
        err << "zitklok-report: " << e.what() << '\n';
        result = kUnreadable;
    }
    out.flush();
    err.flush();
    return result;
}

int RunReportOnConsole(ChartSaver saveChart)
{
    QCoreApplication::setApplicationName("Sitclock");
    zk::QtSettingsStore settings;
    zk::SetCurrentSettings(&settings);
    QTextStream out(stdout);
    QTextStream err(stderr);
    QStringList args = QCoreApplication::arguments();
    args.removeFirst();
    const int result = RunReport(args, out, err, saveChart);
    zk::SetCurrentSettings(nullptr);
    return result;
}

} // namespace zk::report
