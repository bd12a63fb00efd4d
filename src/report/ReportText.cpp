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

// Characters of HoursMinutes(seconds), without making the text.
std::size_t HoursMinutesWidth(std::int64_t seconds)
{
    std::int64_t hours = (seconds < 0 ? -seconds : seconds) / 3600;
    std::size_t width = seconds <= -60 ? 5 : 4; // sign, one digit, ":MM"
    while (hours >= 10) {
        hours /= 10;
        ++width;
    }
    return width;
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
    ReportDay monday;
    ReportDay nextMonday; // rows are in calendar order: a week ends where this is reached
    for (std::size_t i = 0; i < rows.size(); ++i) {
        if (i == 0 || !(rows[i].day < nextMonday)) {
            monday = rows[i].day.MondayOfWeek();
            nextMonday = monday.Plus(7);
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

    std::size_t lineWidth = widths[0] + 1;
    for (std::size_t c = 1; c < widths.size(); ++c)
        lineWidth += 2 + widths[c];
    std::string out;
    out.reserve(lineWidth * (rows.size() + sums.size() + 1));
    auto add = [&](const std::string &text, std::size_t c) {
        if (c == 0) {
            out += text;
            out.append(widths[0] - text.size(), ' ');
        } else {
            out.append(2 + widths[c] - text.size(), ' ');
            out += text;
        }
    };
    for (std::size_t c = 0; c < headings.size(); ++c)
        add(headings[c], c);
    out += '\n';
    std::size_t next = 0; // the next sum to write
    for (std::size_t i = 0; i <= rows.size(); ++i) {
        if (i < rows.size()) {
            add(rows[i].day.ToText(), 0);
            for (std::size_t c = 0; c < columns; ++c)
                add(HoursMinutes(cell(rows[i], c)), c + 1);
            out += '\n';
        }
        for (; next < sums.size() && sums[next].row == i; ++next) {
            add(sums[next].label, 0);
            for (std::size_t c = 0; c < columns; ++c)
                add(HoursMinutes(sums[next].cells[c]), c + 1);
            out += '\n';
        }
    }
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
    for (const auto &u : totals.Users()) {
        out += ',';
        out += CsvField(u);
    }
    out += ",Idle\r\n";
    for (const auto &row : totals.Rows()) {
        out += row.day.ToText();
        for (auto s : row.seconds) {
            out += ',';
            out += std::to_string(s);
        }
        out += ',';
        out += std::to_string(row.idle);
        out += "\r\n";
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
