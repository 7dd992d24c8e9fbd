#include "support/message_log.h"
#include "ui/Form1.h"
#include "ui/background_print.h"
#include "ui/form1_fields.h"
#include "ui/form1_layout.h"
#include "ui/window_printer.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QPushButton>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <array>

using namespace velmora;
using velmora::ui::kPrintAnswerMs;
using velmora::ui::printWidget;

class Form1Test : public QObject {
    Q_OBJECT

private:
    MessageLog* log_ = nullptr;
    std::unique_ptr<Form1> window_;

    template <typename T = QWidget> T* control(const char* name) const
    {
        T* widget = window_->findChild<T*>(QString::fromLatin1(name));
        if (!widget)
            qFatal("no control %s", name);
        return widget;
    }
    QString text(const char* name) const { return control<QLineEdit>(name)->text(); }
    void type(const char* name, const QString& value) const { control<QLineEdit>(name)->setText(value); }
    void click(const char* name) const { QTest::mouseClick(control<QPushButton>(name), Qt::LeftButton); }
    void choose(const char* entry) const { control<QAction>(entry)->trigger(); }

private slots:
    void init()
    {
        QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
        auto log = std::make_unique<MessageLog>();
        log_ = log.get();
        window_ = std::make_unique<Form1>(std::move(log));
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    }
    void cleanup() { window_.reset(); }

    void looksAsLaidOut()
    {
        QCOMPARE(window_->windowTitle(), QStringLiteral("Velmora 2.2"));
        QCOMPARE(window_->clientArea()->size(), QSize(647, 520));
        QCOMPARE(control("Text14")->geometry(), QRect(16, 152, 105, 20)); // twips to pixels, in its frame
        QCOMPARE(control("Label8")->geometry(), QRect(8, 288, 209, 33));
        QCOMPARE(control("Frame1")->palette().color(QPalette::WindowText), QColor(Qt::red));
        QCOMPARE(control("Text22")->palette().color(QPalette::Base), QColor(Qt::red));
        QCOMPARE(control<QLabel>("Label6")->text(), QStringLiteral("μΜ"));
        QCOMPARE(control<QLabel>("Label1")->alignment(), Qt::AlignRight | Qt::AlignTop);
        QCOMPARE(control<QLabel>("Image10")->pixmap().size(), QSize(30, 30));
        const QRect before = control("Text7")->geometry();
        window_->resize(1000, 800);
        QCOMPARE(control("Text7")->geometry(), before); // the layout is fixed
    }

    // Every caption and field is shown whole: no label is narrower or lower
    // than its text at its own font, but for the tall bracket among the
    // theoretical figures, which the window has always cut at its label's
    // edge; no field is lower than a line of its font.
    void everyCaptionAndFieldIsShownWhole()
    {
        QStringList cut;
        for (const QLabel* label : window_->findChildren<QLabel*>()) {
            const QRect room = label->contentsRect();
            const int flags = int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0);
            const QRect needed = label->fontMetrics().boundingRect(room, flags, label->text());
            if (!label->text().isEmpty() && (needed.width() > room.width() || needed.height() > room.height()))
                cut << label->objectName();
        }
        QCOMPARE(cut, QStringList {QStringLiteral("Label7")});
        for (const QLineEdit* field : window_->findChildren<QLineEdit*>())
            QVERIFY2(field->height() >= field->fontMetrics().height(), qPrintable(field->objectName()));
    }

    // Every control of the table lies inside its frame, and the frames inside
    // the window: a figure mistyped in the table shows as a control out of
    // its place.
    void everyControlSitsInsideItsFrame()
    {
        using velmora::ui::ControlSpec;
        using velmora::ui::kForm1Controls;
        const auto containerOf = [](const ControlSpec& c) -> ControlSpec {
            for (const ControlSpec& frame : kForm1Controls) {
                if (frame.name == c.container)
                    return frame;
            }
            return {"", {}, "", "", 0, 0, velmora::ui::kClientWidthTwips, velmora::ui::kClientHeightTwips, {}};
        };
        for (const ControlSpec& c : kForm1Controls) {
            const ControlSpec frame = containerOf(c);
            QVERIFY2(c.left >= 0 && c.top >= 0 && c.left + c.width <= frame.width && c.top + c.height <= frame.height,
                c.name.data());
        }
        // Apart from the bodies' labels, which reach under their fields, no
        // control covers another by more than a pixel.
        for (const ControlSpec& c : kForm1Controls) {
            for (const ControlSpec& other : kForm1Controls) {
                if (&other <= &c || other.container != c.container || c.container == "Frame3")
                    continue;
                const int across = std::min(c.left + c.width, other.left + other.width) - std::max(c.left, other.left);
                const int down = std::min(c.top + c.height, other.top + other.height) - std::max(c.top, other.top);
                QVERIFY2(std::min(across, down) <= velmora::ui::kTwipsPerPixel,
                    qPrintable(QStringLiteral("%1 over %2").arg(c.name.data(), other.name.data())));
            }
        }
        // A label set right against a field on its row ends seven pixels
        // before it, as every such pair of the window does.
        for (const ControlSpec& label : kForm1Controls) {
            if (label.kind != velmora::ui::ControlKind::Label || label.align != velmora::ui::Align::Right)
                continue;
            const int middle = label.top + label.height / 2;
            for (const ControlSpec& field : kForm1Controls) {
                const bool sameRow = field.top <= middle && middle < field.top + field.height;
                if (field.kind == velmora::ui::ControlKind::TextField && field.container == label.container && sameRow)
                    QVERIFY2(
                        field.left - (label.left + label.width) == 7 * velmora::ui::kTwipsPerPixel, label.name.data());
            }
        }
        // Each body's fields stand level with its picture, within two pixels.
        for (const ControlSpec& field : kForm1Controls) {
            if (field.container != "Frame3" || field.kind != velmora::ui::ControlKind::TextField)
                continue;
            QVERIFY2(std::ranges::any_of(kForm1Controls,
                         [&field](const ControlSpec& picture) {
                             return picture.container == field.container &&
                                 picture.kind == velmora::ui::ControlKind::Picture &&
                                 std::abs(picture.top - field.top) <= 2 * velmora::ui::kTwipsPerPixel;
                         }),
                field.name.data());
        }
        // The bodies' frame is a grid of columns: each control starts, ends
        // or is centred where another of the frame does.
        const auto edges = [](const ControlSpec& c) {
            return std::array {2 * c.left, 2 * (c.left + c.width), 2 * c.left + c.width};
        };
        for (const ControlSpec& c : kForm1Controls) {
            if (c.container != "Frame3")
                continue;
            bool aligned = false;
            for (const ControlSpec& other : kForm1Controls) {
                if (&other == &c || other.container != c.container)
                    continue;
                for (const int edge : edges(c))
                    aligned = aligned || std::ranges::count(edges(other), edge) > 0;
            }
            QVERIFY2(aligned, c.name.data());
        }
    }

    void presetsWriteInputsAndResetEmptiesThem()
    {
        type("Text7", "kept?");
        choose("mnuCelestronOTC8");
        choose("mnuPhilipsVesta");
        QCOMPARE(text("Text2"), QStringLiteral("2032"));
        QCOMPARE(text("Text3"), QStringLiteral("5.6"));
        QCOMPARE(text("Text14"), QStringLiteral("640")); // width, then height
        QCOMPARE(text("Text22"), QStringLiteral("480"));
        QCOMPARE(text("Text7"), QStringLiteral("kept?"));
        choose("mnuCelestronC5");
        QCOMPARE(text("Text7"), QString());
        type("NomeFile", "name");
        click("Command2");
        for (const char* input : {"Text1", "Text2", "Text3", "Text14", "Text22"})
            QCOMPARE(text(input), QString());
        QCOMPARE(text("NomeFile"), QStringLiteral("name"));
    }

    // The window applies an outcome: results in the locale's form, each field
    // showing its first digits, the empty-input messages before anything.
    void calculationShowsTheOutcome()
    {
        type("Text4", "previous");
        click("Command1");
        QCOMPARE(log_->shown().size(), std::size_t {3}); // two empty inputs, then the failing first step
        QVERIFY(log_->shown()[0].text.starts_with("Il programma và in errore"));
        QCOMPARE(log_->shown()[0].title, std::string("VELMORA"));
        QCOMPARE(text("Text4"), QStringLiteral("previous"));

        for (const auto& [field, value] :
            {std::pair {"Text1", "200"}, {"Text2", "1000"}, {"Text3", "5.6"}, {"Text14", "640"}, {"Text22", "480"}})
            type(field, value);
        click("Command1");
        QCOMPARE(log_->shown().size(), std::size_t {3});
        QCOMPARE(text("Text4"), QStringLiteral("0,6"));
        QCOMPARE(text("Text8"), QStringLiteral("17,3913043478261"));
        QVERIFY(text("Text33").startsWith(QStringLiteral("28002,4")));
        QCOMPARE(control<QLineEdit>("Text18")->cursorPosition(), 0);
        // Every one of the 23 results lands in a field of its own.
        int filled = 0;
        for (QLineEdit* field : window_->findChildren<QLineEdit*>())
            filled += field->text().isEmpty() ? 0 : 1;
        QCOMPARE(filled, 5 + 23);

        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
        click("Command1");
        QCOMPARE(text("Text4"), QStringLiteral("0.6"));
    }

    void saveButtonWritesTheReport()
    {
        QTemporaryDir dir;
        type("Text1", "abc");
        type("NomeFile", dir.filePath(QStringLiteral("prova.TXT")));
        click("Command4");
        QFile file(dir.filePath(QStringLiteral("prova.TXT")));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.readAll().startsWith("Diametro otticaabcmmFocale otticammDimensione pixelmM"));
        QCOMPARE(log_->shown().back(), (ShownMessage {"Salvataggio effettuato!", "Salva", MessageIcon::Information}));
    }

    // Enter presses a focused button, as Space does; in a field it presses nothing.
    void enterPressesTheFocusedButtonOnly()
    {
        type("Text1", "200");
        type("Text2", "1000");
        control("Text2")->setFocus();
        QTest::keyClick(control("Text2"), Qt::Key_Return);
        QTest::keyClick(control("Text2"), Qt::Key_Escape);
        QCOMPARE(text("Text4"), QString());
        QVERIFY(window_->isVisible());
        for (QPushButton* button : window_->findChildren<QPushButton*>())
            QVERIFY(!button->isDefault());
        control("Command2")->setFocus();
        QTest::keyClick(control("Command2"), Qt::Key_Enter);
        QTRY_COMPARE(text("Text1"), QString()); // RESET
    }

    // The Tab key visits every field and button once, then comes back.
    void tabVisitsEveryFieldAndButtonOnce()
    {
        control("Text1")->setFocus();
        QStringList path;
        for (int i = 0; i < 33; ++i) {
            path << QApplication::focusWidget()->objectName();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Text1"));
        const QStringList specified = {"Text1", "Text2", "Text3", "Command1", "Text4", "Text5", "Text6", "Text10",
            "Text11", "Text15", "Command2", "Text14", "Text22", "Text28", "Text12", "Text13", "Text18", "Text20",
            "Text21", "Text26", "Text29", "Text30", "Text31", "Text32", "Text33", "Text34", "Text35", "Text36",
            "Command3", "Text8", "Text7", "Command4", "NomeFile"};
        QCOMPARE(path, specified);
        // Each place on the path is one field's or one button's alone.
        QSet<int> stops;
        for (const velmora::ui::Form1Field& field : velmora::ui::kForm1Fields)
            stops.insert(field.tabStop);
        for (const velmora::ui::TabStop& button : velmora::ui::kButtonTabStops)
            stops.insert(button.tabStop);
        QCOMPARE(stops.size(), 33);
    }

    // What a screen reader says: a distinct name for every field and
    // picture, the frame as description, and each button's caption.
    void everyFieldPictureAndButtonHasASpokenName()
    {
        const auto spoken = [](QWidget* widget, QAccessible::Text text) {
            return QAccessible::queryAccessibleInterface(widget)->text(text);
        };
        QSet<QString> names;
        QList<QWidget*> described;
        for (QLineEdit* field : window_->findChildren<QLineEdit*>())
            described << field;
        for (QLabel* label : window_->findChildren<QLabel*>())
            described << (label->pixmap().isNull() ? nullptr : label);
        described.removeAll(nullptr);
        QCOMPARE(described.size(), 29 + 10); // the fields with NomeFile, the pictures
        for (QWidget* widget : described)
            names.insert(
                spoken(widget, QAccessible::Name) + (spoken(widget, QAccessible::Description).isEmpty() ? "!" : ""));
        QCOMPARE(names.size(), described.size()); // all distinct
        QVERIFY(!names.contains(QString()));
        QCOMPARE(spoken(control("Text1"), QAccessible::Name), QStringLiteral("Diametro ottica, mm"));
        QCOMPARE(
            spoken(control("Text18"), QAccessible::Name), QStringLiteral("Mercurio, distanza minima, km per pixel"));
        QCOMPARE(
            spoken(control("Text12"), QAccessible::Name), QStringLiteral("Campo sensore, Lunghezza, primi d'arco"));
        QCOMPARE(spoken(control("Image6"), QAccessible::Name), QStringLiteral("Giove"));
        QCOMPARE(spoken(control("Text7"), QAccessible::Description), QStringLiteral("KM/Pixel"));
        for (QPushButton* button : window_->findChildren<QPushButton*>())
            QCOMPARE(spoken(button, QAccessible::Name), button->text().remove(u'&'));
    }

    void printsOnePageAtTheWindowsPhysicalSizeLossless()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("print.pdf"));
        type("Text13", QStringLiteral("typed by hand"));
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        printer.setResolution(300);
        QVERIFY(printWidget(*window_->clientArea(), printer));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray pdf = file.readAll();
        QCOMPARE(pdf.count("/Type /Page\n") + pdf.count("/Type /Page\r") + pdf.count("/Type /Page/"), 1);
        QVERIFY(!pdf.contains("/DCTDecode"));
        // 647 x 520 screen pixels are 6.74 x 5.42 inches: 2022 x 1625 dots at 300 dpi.
        QVERIFY(pdf.contains("/Width 2022"));
        QVERIFY(pdf.contains("/Height 1625"));
    }

    // A print server that accepts connections and never answers must hold up
    // neither the window nor the user: the "Stampa" message comes in time.
    void silentPrintServerHoldsUpNothing()
    {
        QTcpServer silent; // listens, accepts, never answers; closed with the test
        QVERIFY(silent.listen(QHostAddress::LocalHost));
        qputenv("CUPS_SERVER", "127.0.0.1:" + QByteArray::number(silent.serverPort()));
        QElapsedTimer clock;
        clock.start();
        control<QAction>("mnuStampa")->trigger();
        QVERIFY2(clock.elapsed() < 1000, "the window's thread waited for the print server");
        QTRY_VERIFY_WITH_TIMEOUT(!log_->shown().empty(), kPrintAnswerMs + 5000);
        QVERIFY(clock.elapsed() <= kPrintAnswerMs + 1000);
        QCOMPARE(log_->shown().back().title, std::string("Stampa"));
        QCOMPARE(log_->shown().back().icon, MessageIcon::Stop);
        qunsetenv("CUPS_SERVER");
    }
};

QTEST_MAIN(Form1Test)
#include "form1_test.moc"
