#include "Form1.h"

#include "calc/app_identity.h"
#include "ui/utf8.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(velmora::ui::toQString(velmora::kAppTitle));
    QApplication::setApplicationVersion(QStringLiteral("%1.%2.%3")
                                            .arg(velmora::kVersionMajor)
                                            .arg(velmora::kVersionMinor)
                                            .arg(velmora::kVersionRevision));
    Form1 window;
    window.show();
    return QApplication::exec();
}
