#include "Form1.h"

#include "app/app_identity.h"
#include "ui/utf8.h"
#include "ui/window_lifetime.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(velmora::ui::toQString(velmora::kAppTitle));
    QApplication::setApplicationVersion(velmora::ui::toQString(velmora::kVersionText));
    QApplication::setOrganizationName(QStringLiteral("Velmora")); // where the planner keeps its settings
    auto* window = new Form1();
    velmora::ui::keepProgramAliveWhileOpen(*window);
    window->show();
    const int status = QApplication::exec();
    velmora::ui::deleteOpenWindows();
    return status;
}
