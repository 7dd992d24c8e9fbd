#include "framing_view.h"

#include "units/angles.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QWheelEvent>

#include <cmath>

namespace {

const QColor kGround(0x10, 0x10, 0x18);
const QColor kObject(0xd8, 0xc8, 0xa0, 140);
const QColor kObjectEdge(0xf0, 0xe0, 0xb0);
const QColor kFrame(0xff, 0x40, 0x40);
const QColor kInk(0xe8, 0xe8, 0xe8);

constexpr double kDegreesPerWheelNotch = 1; // a notch is 120 eighths of a degree of the wheel
constexpr double kDegreesPerKey = 1;
constexpr double kDegreesPerPageKey = 10;

// The longest of 1, 2 or 5 times a power of ten within `most`.
double roundLength(double most)
{
    const double power = std::pow(10, std::floor(std::log10(most)));
    for (const double step : {5.0, 2.0, 1.0}) {
        if (step * power <= most)
            return step * power;
    }
    return power;
}

// A deep-sky object's outline: its ellipse, turned.
void drawOutline(QPainter& painter, const velmora::planning::FramingScene& scene, double line)
{
    painter.save();
    painter.rotate(scene.objectTurn);
    painter.setPen(QPen(kObjectEdge, line));
    painter.setBrush(kObject);
    painter.drawEllipse(QPointF(0, 0), scene.majorAxis / 2, scene.minorAxis / 2);
    painter.restore();
}

// A body's disk, dim, and its lit part in its colour: the half towards the
// bright limb, with the terminator's half ellipse added or taken away.
void drawLitDisk(QPainter& painter, const velmora::planning::FramingScene& scene, double line)
{
    const double r = scene.majorAxis / 2;
    const QColor colour(QString::fromUtf8(scene.colour.data(), qsizetype(scene.colour.size())));
    painter.save();
    painter.rotate(scene.phase->brightLimbTurn);
    painter.setPen(QPen(colour.darker(300), line));
    painter.setBrush(colour.darker(400));
    painter.drawEllipse(QPointF(0, 0), r, r);
    const double terminator = r * (1 - 2 * scene.phase->lit); // where it crosses the limb's axis
    QPainterPath lit(QPointF(0, -r));
    lit.arcTo(QRectF(-r, -r, 2 * r, 2 * r), 90, -180);
    const double a = std::abs(terminator);
    lit.arcTo(QRectF(-a, -r, 2 * a, 2 * r), -90, terminator > 0 ? 180 : -180);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawPath(lit);
    painter.restore();
}

} // namespace

FramingView::FramingView(QWidget* parent) : QWidget(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setMinimumSize(240, 240);
    setAccessibleName(QStringLiteral("Inquadratura"));
    setAccessibleDescription(QStringLiteral(
        "L'oggetto sul sensore, nord in alto ed est a sinistra; trascinare, la rotella o le frecce ruotano la camera"));
    setToolTip(QStringLiteral("Trascinare, la rotella o le frecce ruotano la camera"));
}

void FramingView::setScene(std::optional<velmora::planning::FramingScene> scene)
{
    scene_ = std::move(scene);
    update();
}

QSize FramingView::sizeHint() const
{
    return {480, 480};
}

void FramingView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    render(painter, rect());
}

void FramingView::render(QPainter& painter, const QRectF& area) const
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(area, kGround);
    painter.setPen(kInk);
    if (!scene_) {
        painter.drawText(area, Qt::AlignCenter | Qt::TextWordWrap,
            QStringLiteral("Scegliere la strumentazione e un oggetto per vederlo sul sensore"));
        painter.restore();
        return;
    }
    const velmora::planning::FramingScene& scene = *scene_;
    const double side = std::min(area.width(), area.height());
    const double scale = side / scene.extent; // picture pixels a scene unit
    const double line = std::max(1.0, side / 320);

    painter.save();
    painter.translate(area.center());
    painter.scale(scale, scale);
    if (scene.phase)
        drawLitDisk(painter, scene, line / scale);
    else
        drawOutline(painter, scene, line / scale);
    painter.save();
    painter.rotate(scene.framesTurn);
    painter.setPen(QPen(kFrame, 1.5 * line / scale));
    painter.setBrush(Qt::NoBrush);
    for (const velmora::planning::SceneRect& frame : scene.frames)
        painter.drawRect(QRectF(frame.x, frame.y, frame.width, frame.height));
    if (scene.sensor)
        painter.drawRect(QRectF(scene.sensor->x, scene.sensor->y, scene.sensor->width, scene.sensor->height));
    painter.restore();
    painter.restore();

    const double text = side / 30;
    QFont font = painter.font();
    font.setPixelSize(std::max(9, int(text)));
    painter.setFont(font);
    painter.setPen(QPen(kInk, line));
    if (scene.compass) {
        const QPointF rose = area.bottomRight() - QPointF(2.5 * text, 2.5 * text);
        painter.drawLine(rose, rose + QPointF(0, -1.5 * text));
        painter.drawLine(rose, rose + QPointF(-1.5 * text, 0));
        painter.drawText(rose + QPointF(-0.3 * text, -1.7 * text), QStringLiteral("N"));
        painter.drawText(rose + QPointF(-2.5 * text, 0.35 * text), QStringLiteral("E"));
        // A scale bar of a round length, a fifth of the picture at most.
        const double length = roundLength(scene.extent / 5);
        const QPointF start = area.bottomLeft() + QPointF(text, -1.5 * text);
        painter.drawLine(start, start + QPointF(length * scale, 0));
        painter.drawText(start + QPointF(0, -0.4 * text),
            scene.inPixels ? QStringLiteral("%1 pixel").arg(length) : QStringLiteral("%1′").arg(length));
    }
    painter.restore();
}

double FramingView::angleAt(const QPointF& point) const
{
    const QPointF from = point - QRectF(rect()).center();
    return velmora::units::degrees(std::atan2(from.y(), from.x()));
}

void FramingView::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        dragAngle_ = angleAt(event->position());
}

// A drag turns the frame with the pointer: clockwise on the page is a
// camera angle falling, as east lies to the left.
void FramingView::mouseMoveEvent(QMouseEvent* event)
{
    if (!dragAngle_ || !(event->buttons() & Qt::LeftButton))
        return;
    const double now = angleAt(event->position());
    const double swept = std::remainder(now - *dragAngle_, 360.0);
    dragAngle_ = now;
    if (swept != 0)
        emit turnAsked(-swept);
}

void FramingView::wheelEvent(QWheelEvent* event)
{
    const double notches = event->angleDelta().y() / 120.0;
    if (notches != 0)
        emit turnAsked(notches * kDegreesPerWheelNotch);
    event->accept();
}

void FramingView::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Left:
        emit turnAsked(kDegreesPerKey);
        break;
    case Qt::Key_Right:
        emit turnAsked(-kDegreesPerKey);
        break;
    case Qt::Key_PageUp:
        emit turnAsked(kDegreesPerPageKey);
        break;
    case Qt::Key_PageDown:
        emit turnAsked(-kDegreesPerPageKey);
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}
