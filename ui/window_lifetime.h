#pragma once

class QWidget;

namespace velmora::ui {

// The program ends when the last of its windows has closed. Qt leaves tool
// windows (the help and About windows, which have no task-bar button) out of
// its own count, so the program keeps one: every window registered here
// keeps it running until that window is closed, and is deleted on closing.
void keepProgramAliveWhileOpen(QWidget& window);

// Deletes every window still registered above, for a clean end of the
// program after "ESCI" or "Chiudi" left them open.
void deleteOpenWindows();

} // namespace velmora::ui
