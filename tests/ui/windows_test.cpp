#include "support/message_log.h"
#include "sysinfo/qt_launcher.h"
#include "sysinfo/registry_backend.h"
#include "ui/Dialog.h"
#include "ui/Form1.h"
#include "ui/frmAbout.h"
#include "ui/qt_messages.h"
#include "ui/window_lifetime.h"

#include <QAction>
#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QMessageBox>
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
    return new frmAbout({sysinfo::systemRegistry(), std::make_unique<sysinfo::QtLauncher>(), std::move(messages)});
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

// Every control of a fixed window lies inside it, and none covers another:
// a figure mistyped in its layout shows as a control out of its place.
void verifyControlsInsideAndApart(const QWidget& window)
{
    QList<QWidget*> controls;
    for (QWidget* child : window.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (!child->isWindow())
            controls << child;
    }
    QVERIFY(controls.size() > 2);
    for (const QWidget* control : controls) {
        QVERIFY2(window.rect().contains(control->geometry()), qPrintable(control->objectName()));
        for (const QWidget* other : controls) {
            if (other != control)
                QVERIFY2(!control->geometry().intersects(other->geometry()),
                    qPrintable(control->objectName() + QStringLiteral(" over ") + other->objectName()));
        }
    }
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
        QVERIFY(!(help->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
        QCOMPARE(help->palette().color(QPalette::Window), QColor(Qt::white));
        for (const QLabel* label : help->findChildren<QLabel*>())
            QVERIFY(label->height() >= label->heightForWidth(label->width())); // no line cut off
        verifyControlsInsideAndApart(*help);
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
        QCOMPARE(about->geometry(), QRect(156, 129, 401, 253));
        // The classic 8-point dialog font, 11 px, and every caption inside its button with room to spare.
        QCOMPARE(about->findChild<QLabel*>("lblVersion")->font().pixelSize(), 11);
        for (const QPushButton* button : about->findChildren<QPushButton*>()) {
            const int caption = button->fontMetrics().horizontalAdvance(button->text().remove(u'&'));
            QVERIFY2(button->font().pixelSize() == 11 && caption + 16 <= button->width(), qPrintable(button->text()));
        }
        QVERIFY(!about->findChild<QLabel*>("picIcon")->pixmap().isNull());
        QVERIFY(about->findChild<QPushButton*>("cmdOK")->isDefault());
        QCOMPARE(about->focusWidget(), about->findChild<QPushButton*>("cmdOK"));
        verifyControlsInsideAndApart(*about);
        // The etched separator: one grey line over one white line, across.
        const QImage drawn = about->grab().toImage();
        const QColor ground = drawn.pixelColor(200, 175);
        for (const int x : {7, 200, 376}) {
            QCOMPARE(drawn.pixelColor(x, 163), QColor(128, 128, 128));
            QCOMPARE(drawn.pixelColor(x, 164), QColor(Qt::white));
            QCOMPARE(drawn.pixelColor(x, 166), ground);
        }
        // Its ends: the grey line from x 6, the white one from 7, both to 376.
        QCOMPARE(drawn.pixelColor(6, 163), QColor(128, 128, 128));
        for (const auto& [x, y] : {std::pair {5, 163}, {6, 164}, {377, 163}, {377, 164}})
            QCOMPARE(drawn.pixelColor(x, y), ground);
        QVERIFY(ground != QColor(Qt::white) && ground != QColor(128, 128, 128));
        QCOMPARE(drawn.pixelColor(200, 162), ground);
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

    // Enter on a focused ESCI ends the program's event loop with status 0.
    void enterOnAFocusedEsciEndsTheProgram()
    {
        Form1 main(std::make_unique<MessageLog>());
        main.show();
        auto* esci = main.findChild<QPushButton*>("Command3");
        QTimer::singleShot(10, esci, [esci] {
            esci->setFocus();
            QTest::keyClick(esci, Qt::Key_Return);
        });
        QTimer::singleShot(5000, qApp, [] { QCoreApplication::exit(1); });
        QCOMPARE(QApplication::exec(), 0);
    }

    // Enter on a focused "System Info..." runs it, not OK; with no tool to be
    // found that shows the unavailable message and the window stays.
    void enterOnAFocusedSystemInfoRunsIt()
    {
        QTemporaryDir empty;
        const QByteArray oldPath = qgetenv("PATH");
        qputenv("PATH", empty.path().toUtf8());
        MessageLog* log = nullptr;
        frmAbout* about = aboutWithLog(log);
        about->show();
        QVERIFY(QTest::qWaitForWindowExposed(about));
        auto* sysInfo = about->findChild<QPushButton*>("cmdSysInfo");
        sysInfo->setFocus();
        QTest::keyClick(sysInfo, Qt::Key_Return);
        qputenv("PATH", oldPath);
        QCOMPARE(log->shown().size(), std::size_t {1});
        QCOMPARE(log->shown()[0].text, std::string("Le informazioni sul sistema non sono attualmente disponibili."));
        QVERIFY(about->isVisible());
    }

    void messageBoxesHaveAPlainOkButton()
    {
        bool plain = false;
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QVERIFY(box);
            plain = box->buttons().size() == 1 && box->button(QMessageBox::Ok)->icon().isNull();
            box->accept();
        });
        ui::QtMessages(nullptr).show("Salvataggio effettuato!", "Salva", MessageIcon::Information);
        QVERIFY(plain);
    }
};

QTEST_MAIN(WindowsTest)
#include "windows_test.moc"
