#pragma once

class QWidget;

namespace velmora::ui {

// Asks the window manager to leave `window` out of task bars and pagers:
// on X11 the _NET_WM_STATE_SKIP_TASKBAR and _SKIP_PAGER states, set before
// the window is first shown. Elsewhere it does nothing; Qt::Tool windows
// already have no task-bar button there.
void skipTaskbarAndPager(QWidget& window);

} // namespace velmora::ui
