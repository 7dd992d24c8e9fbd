#include "calc/memory_fields.h"
#include "ui/Dialog.h"
#include "ui/Form1.h"
#include "ui/frmAbout.h"
#include "ui/qt_launcher.h"
#include "ui/registry_backend.h"
#include "ui/window_lifetime.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace velmora;

namespace {

// An About window whose messages are recorded instead of shown.
frmAbout* aboutWithLog(MessageLog*& log)
{
    auto messages = std::make_unique<MessageLog>();
    log = messages.get();
    return new frmAbout({sysinfo::systemRegistry(), std::make_unique<ui::QtLauncher>(), std::move(messages)});
}

template <typename Window> QList<Window*> openWindows()
{
    QList<Window*> windows;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* window = qobject_cast<Window*>(widget); window && window->isVisible())
            windows << window;
    }
    return windows;
}

} // namespace

class WindowsTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup()
    {
        for (QWidget* widget : QApplication::topLevelWidgets())
            widget->close();
        QTest::qWait(10);
    }

    void helpWindowTextsAndPlace()
    {
        auto* help = new Dialog();
        help->show();
        QVERIFY(QTest::qWaitForWindowExposed(help));
        QCOMPARE(help->windowTitle(), QStringLiteral("Aiuto"));
        QCOMPARE(help->geometry(), QRect(184, 250, 402, 408));
        QCOMPARE(help->minimumSize(), help->maximumSize());
        QVERIFY(help->windowFlags() & Qt::WindowCloseButtonHint);
        QVERIFY(!(help->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
        QCOMPARE(help->palette().color(QPalette::Window), QColor(Qt::white));
        const auto text = [help](const char* name) { return help->findChild<QLabel*>(name)->text(); };
        QCOMPARE(text("Label1"),
            QStringLiteral("Nei \"parametri da inserire\" vanno digitate le carateristiche richieste sulle caselle "
                           "rosse. Attenzione i valori da inserire sono numerici in forma decimale, e se bisogna "
                           "inserire la virgola bisogna digitare il punto \".\""));
        QCOMPARE(text("Label2"),
            QStringLiteral("Con il tasto \"calcola\" il programma esegue una serie di calcoli "
                           "sulle caratteristiche  da esaminare."));
        QCOMPARE(text("Label3"),
            QStringLiteral("Le dimensioni dei pixel sono espresse in micron,  ad esempio i pixel "
                           "della camera hx 516  sono da 7,4 micron."));
        QCOMPARE(text("Label4"),
            QStringLiteral("La stima del peso del tubo,viene eseguita con un calcolo in funzione "
                           "del diametro dell'ottica e della lunghezza focale.Ia stima è "
                           "approssimativa perchè non tiene conto dei diversi materiali "
                           "costruttivi dei telescopi."));
        QCOMPARE(help->findChild<QLabel*>("Label4")->geometry(), QRect(16, 272, 369, 113));
    }

    void aboutWindowCaptions()
    {
        MessageLog* log = nullptr;
        frmAbout* about = aboutWithLog(log);
        about->show();
        QVERIFY(QTest::qWaitForWindowExposed(about));
        QCOMPARE(about->windowTitle(), QStringLiteral("Informazioni su VELMORA"));
        QCOMPARE(about->findChild<QLabel*>("lblTitle")->text(), QStringLiteral("VELMORA"));
        QCOMPARE(about->findChild<QLabel*>("lblVersion")->text(), QStringLiteral("Versione 2.2.0"));
        QCOMPARE(about->findChild<QPushButton*>("cmdSysInfo")->text(), QStringLiteral("&System Info..."));
        QCOMPARE(about->geometry(), QRect(156, 129, 401, 253));
        QVERIFY(!about->findChild<QLabel*>("picIcon")->pixmap().isNull());
        QVERIFY(about->findChild<QPushButton*>("cmdOK")->isDefault());
        QCOMPARE(about->focusWidget(), about->findChild<QPushButton*>("cmdOK"));
    }

    void menuOpensANewWindowEveryTime()
    {
        Form1 main(std::make_unique<MessageLog>());
        main.show();
        QAction* help = main.findChild<QAction*>("mnuAiuto");
        help->trigger();
        help->trigger();
        QCOMPARE(openWindows<Dialog>().size(), 2);
        QAction* about = main.findChild<QAction*>("mnuProdotto");
        for (int i = 0; i < 3; ++i)
            about->trigger();
        const QList<frmAbout*> abouts = openWindows<frmAbout>();
        QCOMPARE(abouts.size(), 3);
        for (const frmAbout* window : abouts)
            QCOMPARE(window->windowTitle(), QStringLiteral("Informazioni su VELMORA"));
        QVERIFY(main.isEnabled());
        QVERIFY(!QApplication::activeModalWidget());
    }

    void enterAndEscapeCloseOnlyThatAboutWindow()
    {
        MessageLog* log = nullptr;
        QPointer<frmAbout> first = aboutWithLog(log);
        QPointer<frmAbout> second = aboutWithLog(log);
        first->show();
        second->show();
        QVERIFY(QTest::qWaitForWindowExposed(second));
        QTest::keyClick(first, Qt::Key_Return);
        QTRY_VERIFY(first.isNull());
        QVERIFY(second->isVisible());
        QTest::keyClick(second, Qt::Key_Escape);
        QTRY_VERIFY(second.isNull());
    }

    // The program's own event loop decides when it ends, so it runs here.
    void closingTheMainWindowKeepsAHelpWindowAlive()
    {
        auto* main = new Form1(std::make_unique<MessageLog>());
        ui::keepProgramAliveWhileOpen(*main);
        main->show();
        main->findChild<QAction*>("mnuAiuto")->trigger();
        QPointer<Dialog> help = openWindows<Dialog>().value(0);
        QVERIFY(help);

        bool helpOutlivedMain = false;
        QTimer::singleShot(10, main, &QWidget::close);
        QTimer::singleShot(100, help, [&] {
            helpOutlivedMain = help->isVisible() && openWindows<Form1>().isEmpty();
            help->close();
        });
        QTimer::singleShot(5000, qApp, [] { QCoreApplication::exit(1); });
        QCOMPARE(QApplication::exec(), 0); // ended by the last window closing
        QVERIFY(helpOutlivedMain);
    }

    void systemInfoStartsTheProgramFoundOnPath()
    {
        QTemporaryDir dir;
        const QString marker = dir.filePath("started");
        QFile tool(dir.filePath("hardinfo"));
        QVERIFY(tool.open(QIODevice::WriteOnly));
        tool.write(QStringLiteral("#!/bin/sh\necho started > '%1'\n").arg(marker).toUtf8());
        tool.close();
        tool.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        const QByteArray oldPath = qgetenv("PATH");
        qputenv("PATH", dir.path().toUtf8());

        MessageLog* log = nullptr;
        frmAbout* about = aboutWithLog(log);
        about->show();
        QTest::mouseClick(about->findChild<QPushButton*>("cmdSysInfo"), Qt::LeftButton);
        qputenv("PATH", oldPath);
        QTRY_VERIFY(QFile::exists(marker));
        QVERIFY(log->shown().empty());
        QVERIFY(about->isVisible());
    }

    void systemInfoWithoutAnyProgramShowsTheUnavailableMessage()
    {
        QTemporaryDir empty;
        const QByteArray oldPath = qgetenv("PATH");
        qputenv("PATH", empty.path().toUtf8());
        MessageLog* log = nullptr;
        frmAbout* about = aboutWithLog(log);
        about->show();
        QTest::mouseClick(about->findChild<QPushButton*>("cmdSysInfo"), Qt::LeftButton);
        qputenv("PATH", oldPath);
        QCOMPARE(log->shown().size(), std::size_t {1});
        QCOMPARE(log->shown()[0].text, std::string("Le informazioni sul sistema non sono attualmente disponibili."));
        QCOMPARE(log->shown()[0].title, std::string("VELMORA"));
        QVERIFY(about->isVisible());
    }
};

QTEST_MAIN(WindowsTest)
#include "windows_test.moc"
