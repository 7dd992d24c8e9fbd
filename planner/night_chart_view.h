#pragma once

#include "planning/night_chart.h"

#include <QTimeZone>
#include <QWidget>

#include <optional>

// The chart of the night: the object's and the Moon's altitudes from sunset
// to sunrise over the twilight's bands, the lowest altitude worth imaging,
// the horizon under the object, a mark at the chosen moment and the hours
// on the site's clock. A curve stops where its body goes down. It maps the
// planning layer's samples to pixels and nothing more.
class NightChartView : public QWidget {
    Q_OBJECT

public:
    explicit NightChartView(QWidget* parent = nullptr);

    void setChart(std::optional<velmora::planning::NightChart> chart, const QTimeZone& zone = QTimeZone::utc());
    const std::optional<velmora::planning::NightChart>& chart() const { return chart_; }
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void drawLegend(QPainter& painter, const QRectF& plot) const;

    std::optional<velmora::planning::NightChart> chart_;
    QTimeZone zone_;
};
