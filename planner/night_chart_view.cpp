#include "night_chart_view.h"

#include "local_time.h"

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
const QColor kDay(0x6a, 0x8c, 0xc0);
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
    setToolTip(QStringLiteral("Altezza dell'oggetto (giallo) e della Luna (grigio) dal tramonto all'alba, all'ora "
                              "del luogo"));
}

void NightChartView::setChart(std::optional<velmora::planning::NightChart> chart, const QTimeZone& zone)
{
    chart_ = std::move(chart);
    zone_ = zone;
    update();
}

// Which line is which, in the plot's top right corner.
void NightChartView::drawLegend(QPainter& painter, const QRectF& plot) const
{
    const QFontMetrics metrics = painter.fontMetrics();
    const std::pair<QColor, QString> lines[] = {{kObject, QStringLiteral("Oggetto")}, {kMoon, QStringLiteral("Luna")}};
    double y = plot.top() + 4;
    for (const auto& [colour, words] : lines) {
        const double width = metrics.horizontalAdvance(words);
        const double x = plot.right() - width - 6;
        painter.setPen(QPen(colour, 2.5));
        painter.drawLine(QPointF(x - 22, y + metrics.height() / 2.0), QPointF(x - 4, y + metrics.height() / 2.0));
        painter.setPen(Qt::white);
        painter.drawText(QPointF(x, y + metrics.ascent()), words);
        y += metrics.height();
    }
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

    // The day first, then each level's sky from its evening edge to its
    // morning edge: where the Sun never sets the chart stays day.
    painter.fillRect(plot, kDay);
    for (const auto& [darkness, colour] : kBands) {
        const velmora::sky::DarkEdges& edges = c.twilight.at(darkness);
        if (edges.neverDark)
            continue;
        const double from = std::max(edges.evening.value_or(c.start), c.start);
        const double to = std::min(edges.morning.value_or(c.end), c.end);
        if (to > from)
            painter.fillRect(QRectF(QPointF(x(from), plot.top()), QPointF(x(to), plot.bottom())), QColor(colour));
    }

    // A curve runs while its body is up, in one piece a stretch above 0.
    QPainterPath horizon(QPointF(plot.left(), plot.bottom()));
    QPainterPath object, moon;
    const auto extend = [&](QPainterPath& path, double julianDay, double altitude, double before) {
        if (altitude < 0)
            return;
        const QPointF point(x(julianDay), y(altitude));
        before < 0 ? path.moveTo(point) : path.lineTo(point);
    };
    double objectBefore = -1, moonBefore = -1;
    for (const ChartSample& s : c.samples) {
        horizon.lineTo(x(s.julianDay), y(s.horizon));
        extend(object, s.julianDay, s.altitude, objectBefore);
        extend(moon, s.julianDay, s.moonAltitude, moonBefore);
        objectBefore = s.altitude;
        moonBefore = s.moonAltitude;
    }
    horizon.lineTo(plot.right(), plot.bottom());
    painter.fillPath(horizon, kHorizon);
    painter.setPen(QPen(Qt::white, 1, Qt::DashLine));
    painter.drawLine(QPointF(plot.left(), y(c.minAltitude)), QPointF(plot.right(), y(c.minAltitude)));
    painter.save();
    painter.setClipRect(plot);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(kMoon, 2));
    painter.drawPath(moon);
    painter.setPen(QPen(kObject, 2.5));
    painter.drawPath(object);
    painter.restore();
    drawLegend(painter, plot);
    if (c.moment >= c.start && c.moment <= c.end) {
        painter.setPen(QPen(QColor(0xff, 0x50, 0x50), 1.5));
        painter.drawLine(QPointF(x(c.moment), plot.top()), QPointF(x(c.moment), plot.bottom()));
    }

    painter.setPen(palette().color(QPalette::WindowText));
    for (const double altitude : {0.0, 30.0, 60.0, 90.0})
        painter.drawText(QRectF(0, y(altitude) - metrics.height() / 2.0, plot.left() - 4, metrics.height()),
            Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("%1°").arg(altitude));
    // A label each whole hour of the site's clock, as many as fit; the
    // zone's name beside the first.
    const double hours = (c.end - c.start) * 24;
    const int every =
        std::max(1, int(std::ceil(hours * metrics.horizontalAdvance(QStringLiteral("00:00 CEST  ")) / plot.width())));
    for (const ClockTick& tick : wholeHours(c.start, c.end, zone_, every))
        painter.drawText(
            QRectF(x(tick.julianDay) - 40, plot.bottom() + 3, 80, metrics.height()), Qt::AlignHCenter, tick.label);
}
