// Where there is no X11: nothing to ask for.
#include "x11_window_state.h"

namespace velmora::ui {

void skipTaskbarAndPager(QWidget&) { }

} // namespace velmora::ui
