#include "fixed_dialog.h"

#include "x11_window_state.h"

#include <QWidget>

namespace velmora::ui {

void makeFixedDialog(QWidget& window, QSize clientSize, QPoint clientTopLeft)
{
    // A tool window has no task-bar button and no title-bar icon.
    window.setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
        Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    window.setAttribute(Qt::WA_DeleteOnClose);
    window.setFixedSize(clientSize);
    window.setGeometry(QRect(clientTopLeft, clientSize));
    skipTaskbarAndPager(window);
}

void showActive(QWidget& window)
{
    window.show();
    window.raise();
    window.activateWindow();
}

} // namespace velmora::ui
