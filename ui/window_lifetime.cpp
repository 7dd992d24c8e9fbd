#include "window_lifetime.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QSet>
#include <QWidget>

namespace velmora::ui {

namespace {
QSet<QWidget*>& openWindows()
{
    static QSet<QWidget*> windows;
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

void deleteOpenWindows()
{
    const QSet<QWidget*> windows = openWindows(); // each deletion changes the set
    qDeleteAll(windows);
}

} // namespace velmora::ui
