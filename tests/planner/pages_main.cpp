// The planner's pages, each alone over a session fed known answers.
#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include "pages.h"

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    // Settings go to this run's own folder.
    QTemporaryDir settingsFolder;
    QSettings::setDefaultFormat(QSettings::IniFormat);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settingsFolder.path());
    QCoreApplication::setOrganizationName(QStringLiteral("VelmoraTest"));
    int failed = 0;
    for (const auto& make : pageTests()) {
        const std::unique_ptr<QObject> test = make();
        failed += QTest::qExec(test.get(), argc, argv);
    }
    return failed;
}
