#include "window_printer.h"

#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QWidget>

#include <algorithm>

namespace velmora::ui {

namespace {
constexpr double kScreenDpi = 96.0;
constexpr double kMaxDpi = 600.0; // sharp on paper; bounds the picture to about 50 MB
} // namespace

bool printWidget(QWidget& area, QPrinter& printer)
{
    const double dpi = std::min<double>(printer.resolution(), kMaxDpi);
    const double scale = dpi / kScreenDpi;
    QImage picture((QSizeF(area.size()) * scale).toSize(), QImage::Format_RGB32);
    picture.setDevicePixelRatio(scale);
    picture.fill(area.palette().color(QPalette::Window));
    area.render(&picture);

    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    painter.setRenderHint(QPainter::LosslessImageRendering);
    const double toPrinter = printer.resolution() / kScreenDpi;
    painter.drawImage(QRectF(QPointF(0, 0), QSizeF(area.size()) * toPrinter), picture);
    return painter.end();
}

} // namespace velmora::ui
