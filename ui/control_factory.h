#pragma once

#include "form1_layout.h"

#include <QFont>
#include <QHash>
#include <QRect>
#include <QString>

#include <span>

class QWidget;

namespace velmora::ui {

// A rectangle given in twips, in pixels at 96 dpi.
QRect pixelRect(int left, int top, int width, int height);

// The font a layout row asks for, with free faces standing in where the named one is
// missing; sized in pixels at 96 dpi, as the layout is.
QFont fontFor(const FontSpec& wanted);

// What the Symbol font shows for a text in Latin letters: "mM" is "μΜ".
QString symbolFontText(QStringView latin);

// Creates every control of the table inside `clientArea`, frames first so
// that the controls inside them find their container. Returns them by name.
QHash<QString, QWidget*> buildControls(std::span<const ControlSpec> controls, QWidget* clientArea);

} // namespace velmora::ui
