#pragma once

#include <QPoint>
#include <QSize>

class QWidget;

namespace velmora::ui {

// Makes `window` a fixed dialog of its own: title bar with the close button
// and system menu only, no icon, no task-bar button, not resizable, its
// client area of `clientSize` at `clientTopLeft` on the screen, deleted once
// closed.
void makeFixedDialog(QWidget& window, QSize clientSize, QPoint clientTopLeft);

// Shows `window` as the active window, with the keyboard focus, under any
// window manager that follows the freedesktop hints: a new utility window
// is not given the focus by every manager on its own.
void showActive(QWidget& window);

} // namespace velmora::ui
