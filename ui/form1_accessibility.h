#pragma once

#include <QHash>
#include <QString>

class QWidget;

namespace velmora::ui {

// Gives every field, picture and button of the main window what a screen
// reader says for it: a name from its labels and unit, and as description
// the caption of the frame it stands in. Nothing visible changes.
void describeForScreenReaders(const QHash<QString, QWidget*>& controls);

} // namespace velmora::ui
