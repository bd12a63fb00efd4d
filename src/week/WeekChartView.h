#pragma once

#include "report/WeekChartLook.h"

#include <QWidget>

namespace zk::report {
class WeekChart;
}

// The week chart on screen, drawn by the report's painter over the whole
// widget in the palette's colours, so that a dark theme keeps it readable.
class WeekChartView : public QWidget
{
    Q_OBJECT
public:
    explicit WeekChartView(QWidget *parent = nullptr);

    // What to draw from now on; the chart must live as long as it is shown
    // (null draws the background only). The look's colours are replaced by
    // the palette's.
    void Show(const zk::report::WeekChart *chart, zk::report::WeekChartLook look);
    // The texts drawn (its colours are not the ones used).
    const zk::report::WeekChartLook &Look() const { return m_look; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    const zk::report::WeekChart *m_chart = nullptr;
    zk::report::WeekChartLook m_look;
};
