#pragma once

#include "week/WeekChartLook.h"

#include <QWidget>

namespace zk {
class WeekChart;
}

// The week chart on screen, drawn by the week chart's painter over the whole
// widget in the palette's colours, so that a dark theme keeps it readable.
class WeekChartView : public QWidget
{
    Q_OBJECT
public:
    explicit WeekChartView(QWidget *parent = nullptr);

    // What to draw from now on; the chart must live as long as it is shown
    // (null draws the background only). The look's colours are replaced by
    // the palette's.
    void Show(const zk::WeekChart *chart, zk::WeekChartLook look);
    // The texts drawn (its colours are not the ones used).
    const zk::WeekChartLook &Look() const { return m_look; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    const zk::WeekChart *m_chart = nullptr;
    zk::WeekChartLook m_look;
};
