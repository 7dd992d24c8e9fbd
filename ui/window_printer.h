#pragma once

class QPrinter;
class QWidget;

namespace velmora::ui {

// Prints `area` as it looks now (children and current texts included) on the
// first page of `printer`, at the size it has on a 96 dpi screen. The picture
// is rendered at the printer's resolution (at most 600 dpi) and kept lossless,
// so that text comes out sharp. Returns false when printing failed.
bool printWidget(QWidget& area, QPrinter& printer);

} // namespace velmora::ui
