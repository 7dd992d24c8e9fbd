#pragma once

#include <QImage>

class QPrinter;
class QWidget;

namespace velmora::ui {

// The sharpest resolution a print is rendered at: sharp on paper, and it
// bounds the picture to about 50 MB.
inline constexpr int kMaxPrintDpi = 600;

// `area` as it looks now (children and current texts included), rendered at
// `dpi`, for a printer of that resolution. Window thread only.
QImage renderForPrinter(QWidget& area, int dpi);

// Prints a picture from renderForPrinter on the first page of `printer`, at
// the size the area has on a 96 dpi screen, kept lossless so that text comes
// out sharp. Any thread. Returns false when printing failed.
bool printPicture(const QImage& picture, QPrinter& printer);

// Both, on the window's thread.
bool printWidget(QWidget& area, QPrinter& printer);

} // namespace velmora::ui
