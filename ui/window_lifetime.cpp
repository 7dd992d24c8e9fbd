#include "window_lifetime.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QSet>
#include <QWidget>

namespace velmora::ui {

namespace {
QSet<const QObject*>& openWindows()
{
    static QSet<const QObject*> windows;
    return windows;
}
} // namespace

void keepProgramAliveWhileOpen(QWidget& window)
{
    QGuiApplication::setQuitOnLastWindowClosed(false);
    window.setAttribute(Qt::WA_DeleteOnClose);
    openWindows().insert(&window);
    QObject::connect(&window, &QObject::destroyed, qApp, [&window] {
        openWindows().remove(&window);
        if (openWindows().isEmpty())
            QCoreApplication::quit();
    });
}

} // namespace velmora::ui
