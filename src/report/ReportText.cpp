#include "report/ReportText.h"

#include <algorithm>
#include <cstdio>

namespace zk::report {

namespace {

std::string Padded(std::int32_t value, int width)
{
    if (value < 0)
        return std::to_string(value); // damaged: shown as stored, no padding
    std::string s = std::to_string(value);
    if (static_cast<int>(s.size()) < width)
        s.insert(0, static_cast<std::size_t>(width) - s.size(), '0');
    return s;
}

struct TableRow
{
    std::string label;
    std::vector<std::int64_t> cells; // users, then idle
};

TableRow Sum(std::string label, const std::vector<const DailyTotals::Row *> &rows,
             std::size_t users)
{
    TableRow t{std::move(label), std::vector<std::int64_t>(users + 1, 0)};
    for (const auto *row : rows) {
        for (std::size_t u = 0; u < users; ++u)
            t.cells[u] += row->seconds[u];
        t.cells[users] += row->idle;
    }
    return t;
}

} // namespace

std::string DateTimeText(const DateTimeGroup &g)
{
    if (g.Year == 0)
        return "-";
    return Padded(g.Year, 4) + "-" + Padded(g.Month, 2) + "-" + Padded(g.Day, 2) + " " +
           Padded(g.Hour, 2) + ":" + Padded(g.Minute, 2) + ":" + Padded(g.Seconds, 2);
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

std::string ListLine(const ReportRecord &record)
{
    return std::to_string(record.nr) + "\t" + DateTimeText(record.start) + "\t" +
           DateTimeText(record.end) + "\t" +
           (record.elapsed ? std::to_string(*record.elapsed) : std::string(kOverflowMarker)) +
           "\t" + Escaped(record.description);
}

std::string HoursMinutes(std::int64_t seconds)
{
    const std::int64_t magnitude = seconds < 0 ? -seconds : seconds;
    char buf[48];
    std::snprintf(buf, sizeof buf, "%s%lld:%02lld", seconds <= -60 ? "-" : "",
                  static_cast<long long>(magnitude / 3600),
                  static_cast<long long>(magnitude % 3600 / 60));
    return buf;
}

std::string UserHeading(const std::string &name)
{
    return name.empty() ? "(no name)" : name;
}

std::string TotalsTable(const DailyTotals &totals)
{
    const std::size_t users = totals.Users().size();
    std::vector<TableRow> lines;
    std::vector<const DailyTotals::Row *> all;
    std::vector<const DailyTotals::Row *> week;
    const auto &rows = totals.Rows();
    for (std::size_t i = 0; i < rows.size(); ++i) {
        lines.push_back(Sum(rows[i].day.ToText(), {&rows[i]}, users));
        all.push_back(&rows[i]);
        week.push_back(&rows[i]);
        const ReportDay monday = rows[i].day.MondayOfWeek();
        if (i + 1 == rows.size() || rows[i + 1].day.MondayOfWeek() != monday) {
            lines.push_back(Sum("Week " + monday.ToText(), week, users));
            week.clear();
        }
    }
    lines.push_back(Sum("Total", all, users));

    std::vector<std::string> headings{"Day"};
    for (const auto &u : totals.Users())
        headings.push_back(UserHeading(u));
    headings.push_back("Idle");

    std::vector<std::vector<std::string>> cells;
    std::vector<std::size_t> widths(headings.size());
    for (std::size_t c = 0; c < headings.size(); ++c)
        widths[c] = headings[c].size();
    for (const auto &line : lines) {
        std::vector<std::string> texts{line.label};
        for (auto s : line.cells)
            texts.push_back(HoursMinutes(s));
        for (std::size_t c = 0; c < texts.size(); ++c)
            widths[c] = std::max(widths[c], texts[c].size());
        cells.push_back(std::move(texts));
    }

    auto format = [&](const std::vector<std::string> &texts) {
        std::string out = texts[0] + std::string(widths[0] - texts[0].size(), ' ');
        for (std::size_t c = 1; c < texts.size(); ++c)
            out += "  " + std::string(widths[c] - texts[c].size(), ' ') + texts[c];
        return out + "\n";
    };
    std::string out = format(headings);
    for (const auto &texts : cells)
        out += format(texts);
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

std::string TotalsCsv(const DailyTotals &totals)
{
    std::string out = "Day";
    for (const auto &u : totals.Users())
        out += "," + CsvField(u);
    out += ",Idle\r\n";
    for (const auto &row : totals.Rows()) {
        out += row.day.ToText();
        for (auto s : row.seconds)
            out += "," + std::to_string(s);
        out += "," + std::to_string(row.idle) + "\r\n";
    }
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
