#include "window_printer.h"

#include <QPainter>
#include <QPrinter>
#include <QWidget>

#include <algorithm>

namespace velmora::ui {

namespace {
constexpr double kScreenDpi = 96.0;
} // namespace

QImage renderForPrinter(QWidget& area, int dpi)
{
    const double scale = std::min(dpi, kMaxPrintDpi) / kScreenDpi;
    QImage picture((QSizeF(area.size()) * scale).toSize(), QImage::Format_RGB32);
    picture.setDevicePixelRatio(scale);
    picture.fill(area.palette().color(QPalette::Window));
    area.render(&picture);
    return picture;
}

bool printPicture(const QImage& picture, QPrinter& printer)
{
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    painter.setRenderHint(QPainter::LosslessImageRendering);
    const double toPrinter = printer.resolution() / kScreenDpi;
    painter.drawImage(QRectF(QPointF(0, 0), picture.deviceIndependentSize() * toPrinter), picture);
    return painter.end();
}

bool printWidget(QWidget& area, QPrinter& printer)
{
    return printPicture(renderForPrinter(area, printer.resolution()), printer);
}

} // namespace velmora::ui
