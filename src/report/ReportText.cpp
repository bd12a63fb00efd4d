#include "report/ReportText.h"

#include "time/OverflowError.h"
#include "totals/TotalsText.h"

#include <algorithm>
#include <cstdio>
#include <utility>

namespace zk::report {

namespace {

// Pieces handed to a TextSink grow to about this size before they go.
constexpr std::size_t kPieceSize = 16 * 1024;

// Collects whole lines and passes them on once a piece is full.
class PieceWriter
{
public:
    explicit PieceWriter(const TextSink &sink) : m_sink(sink) { m_text.reserve(2 * kPieceSize); }

    std::string &Text() { return m_text; }
    void EndLine(const char *end)
    {
        m_text += end;
        if (m_text.size() >= kPieceSize)
            Flush();
    }
    void Flush()
    {
        if (!m_text.empty())
            m_sink(m_text);
        m_text.clear();
    }

private:
    const TextSink &m_sink;
    std::string m_text;
};

void AppendSigned(std::string &out, std::int64_t value)
{
    if (value < 0) {
        out += '-';
        out += std::to_string(0 - static_cast<std::uint64_t>(value));
    } else {
        out += std::to_string(static_cast<std::uint64_t>(value));
    }
}

// day.ToText() appended to out.
void AppendDay(std::string &out, const CalendarDay &day)
{
    out += day.ToText();
}

// The Monday after the week starting on `monday`; after the last week a day
// can be in, a day after every real one, so that the last week still ends.
CalendarDay FollowingMonday(const CalendarDay &monday)
{
    try {
        return monday.Plus(7);
    } catch (const OverflowError &) {
        return {32768, 1, 1};
    }
}

std::string Padded(std::int32_t value, int width)
{
    if (value < 0)
        return std::to_string(value); // damaged: shown as stored, no padding
    const std::string s = std::to_string(value);
    return std::string(std::max(static_cast<std::size_t>(width), s.size()) - s.size(), '0') + s;
}

} // namespace

std::string DateTimeText(const LocalDateTime &g)
{
    if (g.year == 0)
        return "-";
    return Padded(g.year, 4) + "-" + Padded(g.month, 2) + "-" + Padded(g.day, 2) + " " +
           Padded(g.hour, 2) + ":" + Padded(g.minute, 2) + ":" + Padded(g.second, 2);
}

std::string Escaped(const std::string &text)
{
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        switch (c) {
        case '\t': out += "\\t"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\\': out += "\\\\"; break;
        default: out += c;
        }
    }
    return out;
}

std::string ListLine(const LogEntry &record)
{
    return std::to_string(record.nr) + "\t" + DateTimeText(record.start) + "\t" +
           DateTimeText(record.end) + "\t" +
           (record.elapsed ? std::to_string(*record.elapsed) : std::string(kOverflowMarker)) +
           "\t" + Escaped(record.description);
}

void WriteTotalsTable(const DailyTotals &totals, const TextSink &sink, const LimitOf &limits)
{
    const std::size_t users = totals.Users().size();
    const auto &rows = totals.Rows();
    const std::size_t columns = users + 1; // users, then idle
    auto cell = [&](const DailyTotals::Row &row, std::size_t c) {
        return c < users ? row.seconds[c] : row.idle;
    };

    // The sums below the days: one after each week, the total last.
    struct Sum
    {
        std::size_t row; // written after this day's row
        std::string label;
        std::vector<std::int64_t> cells;
    };
    std::vector<Sum> sums;
    std::vector<std::int64_t> week(columns, 0);
    std::vector<std::int64_t> total(columns, 0);
    CalendarDay monday;
    // Rows are in calendar order: a week ends where nextMonday is reached. It starts in the
    // year 0, before every real day, so that the first row starts a week.
    CalendarDay nextMonday;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (!(rows[i].day < nextMonday)) {
            monday = rows[i].day.MondayOfWeek();
            nextMonday = FollowingMonday(monday);
        }
        for (std::size_t c = 0; c < columns; ++c) {
            week[c] += cell(rows[i], c);
            total[c] += cell(rows[i], c);
        }
        if (i + 1 == rows.size() || !(rows[i + 1].day < nextMonday)) {
            sums.push_back({i, "Week " + monday.ToText(), week});
            week.assign(columns, 0);
        }
    }
    sums.push_back({rows.size(), "Total", total});

    std::vector<std::string> headings{"Day"};
    for (const auto &u : totals.Users())
        headings.push_back(UserHeading(u));
    headings.push_back("Idle");
    std::vector<std::size_t> widths(headings.size());
    for (std::size_t c = 0; c < headings.size(); ++c)
        widths[c] = headings[c].size();
    for (const auto &sum : sums) {
        widths[0] = std::max(widths[0], sum.label.size());
        for (std::size_t c = 0; c < columns; ++c)
            widths[c + 1] = std::max(widths[c + 1], HoursMinutesWidth(sum.cells[c]));
    }
    if (!rows.empty())
        widths[0] = std::max(widths[0], rows[0].day.ToText().size());
    for (const auto &row : rows)
        for (std::size_t c = 0; c < columns; ++c)
            widths[c + 1] = std::max(widths[c + 1], HoursMinutesWidth(cell(row, c)));

    PieceWriter writer(sink);
    std::string &out = writer.Text();
    // Cells are written straight into the line, padded to their column.
    auto label = [&](const std::string &text) {
        out += text;
        out.append(widths[0] - text.size(), ' ');
    };
    auto right = [&](std::size_t c, const std::string &text) {
        out.append(2 + widths[c] - text.size(), ' ');
        out += text;
    };
    auto hoursCell = [&](std::size_t c, std::int64_t seconds) {
        out.append(2 + widths[c] - HoursMinutesWidth(seconds), ' ');
        AppendHoursMinutes(out, seconds);
    };
    label(headings[0]);
    for (std::size_t c = 1; c < headings.size(); ++c)
        right(c, headings[c]);
    writer.EndLine("\n");
    std::size_t next = 0; // the next sum to write
    for (std::size_t i = 0; i <= rows.size(); ++i) {
        if (i < rows.size()) {
            const std::size_t begin = out.size();
            AppendDay(out, rows[i].day);
            out.append(widths[0] - (out.size() - begin), ' ');
            for (std::size_t c = 0; c < columns; ++c)
                hoursCell(c + 1, cell(rows[i], c));
            const char *mark = "  *";
            for (std::size_t u = 0; limits && u < users; ++u) {
                const auto limit = limits(totals.Users()[u], rows[i].day);
                if (limit && rows[i].seconds[u] > *limit) {
                    out += std::exchange(mark, ",");
                    out += ' ';
                    out += totals.Users()[u];
                }
            }
            writer.EndLine("\n");
        }
        for (; next < sums.size() && sums[next].row == i; ++next) {
            label(sums[next].label);
            for (std::size_t c = 0; c < columns; ++c)
                hoursCell(c + 1, sums[next].cells[c]);
            writer.EndLine("\n");
        }
    }
    writer.Flush();
}

std::string TotalsTable(const DailyTotals &totals)
{
    std::string out;
    WriteTotalsTable(totals, [&](std::string_view piece) { out += piece; });
    return out;
}

std::string CsvField(const std::string &field)
{
    if (field.find_first_of(",\"\r\n") == std::string::npos)
        return field;
    std::string out = "\"";
    for (char c : field) {
        if (c == '"')
            out += '"';
        out += c;
    }
    return out + "\"";
}

void WriteTotalsCsv(const DailyTotals &totals, const TextSink &sink, const LimitOf &limits)
{
    // The users with a limit on some day of the report.
    std::vector<std::size_t> limited;
    for (std::size_t u = 0; limits && u < totals.Users().size(); ++u)
        for (const auto &row : totals.Rows())
            if (limits(totals.Users()[u], row.day)) {
                limited.push_back(u);
                break;
            }
    PieceWriter writer(sink);
    std::string &out = writer.Text();
    out += "Day";
    for (const auto &u : totals.Users()) {
        out += ',';
        out += CsvField(u);
    }
    out += ",Idle";
    for (std::size_t u : limited) {
        out += ',';
        out += CsvField(totals.Users()[u] + " limit");
    }
    writer.EndLine("\r\n");
    for (const auto &row : totals.Rows()) {
        AppendDay(out, row.day);
        for (auto s : row.seconds) {
            out += ',';
            AppendSigned(out, s);
        }
        out += ',';
        AppendSigned(out, row.idle);
        for (std::size_t u : limited) {
            out += ',';
            if (const auto limit = limits(totals.Users()[u], row.day))
                AppendSigned(out, *limit);
        }
        writer.EndLine("\r\n");
    }
    writer.Flush();
}

std::string TotalsCsv(const DailyTotals &totals)
{
    std::string out;
    WriteTotalsCsv(totals, [&](std::string_view piece) { out += piece; });
    return out;
}

std::vector<std::string> ParseUserNames(const std::string &argument)
{
    std::vector<std::string> names;
    if (argument.empty())
        return names;
    std::string current;
    auto finish = [&] {
        if (std::find(names.begin(), names.end(), current) == names.end())
            names.push_back(current);
        current.clear();
    };
    for (std::size_t i = 0; i < argument.size(); ++i) {
        const char c = argument[i];
        if (c == '\\' && i + 1 < argument.size() &&
            (argument[i + 1] == ',' || argument[i + 1] == '\\')) {
            current += argument[++i];
        } else if (c == ',') {
            finish();
        } else {
            current += c;
        }
    }
    finish();
    return names;
}

} // namespace zk::report
