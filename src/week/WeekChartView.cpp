#include "week/WeekChartView.h"

#include "week/WeekChart.h"

#include <QPainter>

WeekChartView::WeekChartView(QWidget *parent)
    : QWidget(parent)
{
    setMinimumSize(600, 300);
}

void WeekChartView::Show(const zk::WeekChart *chart, zk::WeekChartLook look)
{
    m_chart = chart;
    m_look = std::move(look);
    update();
}

void WeekChartView::paintEvent(QPaintEvent *)
{
    zk::WeekChartLook look = m_look;
    look.background = palette().color(QPalette::Base);
    look.text = palette().color(QPalette::Text);
    // Faint on light and dark alike: a little of the text into the background.
    const QColor &b = look.background;
    const QColor &t = look.text;
    look.grid = QColor((b.red() * 5 + t.red()) / 6, (b.green() * 5 + t.green()) / 6,
                       (b.blue() * 5 + t.blue()) / 6);
    QPainter painter(this);
    if (m_chart)
        m_chart->Paint(painter, rect(), look);
    else
        painter.fillRect(rect(), look.background);
}
