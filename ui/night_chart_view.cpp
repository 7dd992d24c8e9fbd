#include "night_chart_view.h"

#include "planner_texts.h"

#include <QDateTime>
#include <QPainter>
#include <QPainterPath>

#include <array>
#include <cmath>

namespace {

using velmora::planning::ChartSample;
using velmora::sky::Darkness;

constexpr double kTopAltitude = 90;

const QColor kPlot(0x10, 0x10, 0x18);
const QColor kObject(0xff, 0xd0, 0x60);
const QColor kMoon(0xb8, 0xc4, 0xd8);
const QColor kHorizon(0x5a, 0x44, 0x30);

// From the lightest sky to the darkest: the bands between the twilight's
// edges, sunset to astronomical.
constexpr std::array<std::pair<Darkness, QRgb>, 4> kBands {{
    {Darkness::Sunset, 0x3a4a78},
    {Darkness::Civil, 0x28345a},
    {Darkness::Nautical, 0x1a2240},
    {Darkness::Astronomical, 0x10141f},
}};

} // namespace

NightChartView::NightChartView(QWidget* parent) : QWidget(parent)
{
    setMinimumSize(320, 200);
    setAccessibleName(QStringLiteral("Grafico della notte"));
    setToolTip(QStringLiteral("Altezza dell'oggetto (giallo) e della Luna (grigio) dal tramonto all'alba, in UTC"));
}

void NightChartView::setChart(std::optional<velmora::planning::NightChart> chart)
{
    chart_ = std::move(chart);
    update();
}

QSize NightChartView::sizeHint() const
{
    return {560, 300};
}

void NightChartView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QFontMetrics metrics = painter.fontMetrics();
    const QRectF plot = QRectF(rect()).adjusted(metrics.horizontalAdvance(QStringLiteral("90°")) + 8,
        metrics.height() / 2.0, -metrics.horizontalAdvance(QStringLiteral("00:00")) / 2.0, -metrics.height() - 6);
    painter.fillRect(plot, kPlot);
    if (!chart_ || chart_->samples.empty()) {
        painter.setPen(Qt::white);
        painter.drawText(plot, Qt::AlignCenter | Qt::TextWordWrap,
            QStringLiteral("Scegliere luogo, data e oggetto per il grafico della notte"));
        return;
    }
    const velmora::planning::NightChart& c = *chart_;
    const auto x = [&](double julianDay) {
        return plot.left() + (julianDay - c.start) / (c.end - c.start) * plot.width();
    };
    const auto y = [&](double altitude) {
        return plot.bottom() - std::clamp(altitude, 0.0, kTopAltitude) / kTopAltitude * plot.height();
    };

    // The bands: each level's sky from its evening edge to its morning edge.
    for (const auto& [darkness, colour] : kBands) {
        const velmora::sky::DarkEdges& edges = c.twilight.at(darkness);
        if (edges.neverDark)
            continue;
        const double from = std::max(edges.evening.value_or(c.start), c.start);
        const double to = std::min(edges.morning.value_or(c.end), c.end);
        if (to > from)
            painter.fillRect(QRectF(QPointF(x(from), plot.top()), QPointF(x(to), plot.bottom())), QColor(colour));
    }

    QPainterPath horizon(QPointF(plot.left(), plot.bottom()));
    QPolygonF object, moon;
    for (const ChartSample& s : c.samples) {
        horizon.lineTo(x(s.julianDay), y(s.horizon));
        object << QPointF(x(s.julianDay), y(s.altitude));
        moon << QPointF(x(s.julianDay), y(s.moonAltitude));
    }
    horizon.lineTo(plot.right(), plot.bottom());
    painter.fillPath(horizon, kHorizon);
    painter.setPen(QPen(Qt::white, 1, Qt::DashLine));
    painter.drawLine(QPointF(plot.left(), y(c.minAltitude)), QPointF(plot.right(), y(c.minAltitude)));
    painter.save();
    painter.setClipRect(plot);
    painter.setPen(QPen(kMoon, 2));
    painter.drawPolyline(moon);
    painter.setPen(QPen(kObject, 2.5));
    painter.drawPolyline(object);
    painter.restore();
    if (c.moment >= c.start && c.moment <= c.end) {
        painter.setPen(QPen(QColor(0xff, 0x50, 0x50), 1.5));
        painter.drawLine(QPointF(x(c.moment), plot.top()), QPointF(x(c.moment), plot.bottom()));
    }

    painter.setPen(palette().color(QPalette::WindowText));
    for (const double altitude : {0.0, 30.0, 60.0, 90.0})
        painter.drawText(QRectF(0, y(altitude) - metrics.height() / 2.0, plot.left() - 4, metrics.height()),
            Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("%1°").arg(altitude));
    // A label each whole hour, as many as fit.
    const double hours = (c.end - c.start) * 24;
    const int every =
        std::max(1, int(std::ceil(hours * metrics.horizontalAdvance(QStringLiteral("00:00  ")) / plot.width())));
    for (double hour = std::ceil(c.start * 24); hour / 24 <= c.end; hour += every) { // whole UTC hours
        const double at = hour / 24;
        painter.drawText(QRectF(x(at) - 30, plot.bottom() + 3, 60, metrics.height()), Qt::AlignHCenter,
            utcText(at, QStringLiteral("HH:mm")));
    }
}
