#pragma once

#include <QColor>
#include <QString>

#include <array>

namespace zk {

// What the week chart is drawn with besides its numbers: colours and texts.
// The defaults are the report's picture: black on white, in English.
struct WeekChartLook
{
    QColor background = Qt::white;
    QColor text = Qt::black;
    QColor grid = QColor(0xdd, 0xdd, 0xdd);

    QString title; // above the chart; none when empty
    std::array<QString, 7> days{"Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"};
    std::array<QString, 12> months{"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                   "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    QString hours = QStringLiteral("%1 h"); // an hour line's label, %1 the hours
    QString limit = QStringLiteral("2 h limit");
    QString noUsers = QStringLiteral("no users");
    QString more = QStringLiteral("+%1 more"); // legend rows that do not fit, %1 their count
    // Each user's total of the week right of the user's name in the legend.
    bool weekTotals = false;
};

} // namespace zk
