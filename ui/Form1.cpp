#include "Form1.h"

#include "Dialog.h"
#include "calc/app_identity.h"
#include "calc/calculation.h"
#include "control_factory.h"
#include "form1_layout.h"
#include "frmAbout.h"
#include "presets/apply_preset.h"
#include "qt_messages.h"
#include "report/save_report.h"
#include "utf8.h"
#include "widget_fields.h"
#include "window_lifetime.h"
#include "window_printer.h"

#include <QCoreApplication>
#include <QLocale>
#include <QMenuBar>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>

using namespace velmora;
using namespace velmora::ui;

namespace {
constexpr std::string_view kPrintTitle = "Stampa";
constexpr std::string_view kNoPrinter = "Nessuna stampante predefinita: la finestra non è stata stampata.";
constexpr std::string_view kPrintFailed = "La stampa non è riuscita.";
} // namespace

Form1::Form1(std::unique_ptr<Messages> messages, QWidget* parent) :
      QMainWindow(parent), clientArea_(new QWidget(this)),
      messages_(messages ? std::move(messages) : std::make_unique<QtMessages>(this))
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Velmora 2.2"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/icon.png")));

    // Labels and frames stand on the system's button face.
    clientArea_->setObjectName(QStringLiteral("clientArea"));
    QPalette palette = clientArea_->palette();
    palette.setColor(QPalette::Window, palette.color(QPalette::Button));
    clientArea_->setPalette(palette);
    clientArea_->setAutoFillBackground(true);
    setCentralWidget(clientArea_);

    controls_ = buildControls(kForm1Controls, clientArea_);
    fields_ = std::make_unique<WidgetFields>(controls_);
    buildMenus();
    setTabOrder();

    const auto button = [this](const char* name) { return static_cast<QPushButton*>(controls_.value(name)); };
    connect(button("Command1"), &QPushButton::clicked, this, &Form1::Command1_Click);
    connect(button("Command2"), &QPushButton::clicked, this, &Form1::Command2_Click);
    connect(button("Command3"), &QPushButton::clicked, this, &Form1::Command3_Click);
    connect(button("Command4"), &QPushButton::clicked, this, &Form1::Command4_Click);

    resize(kClientWidthTwips / kTwipsPerPixel, kClientHeightTwips / kTwipsPerPixel + menuBar()->sizeHint().height());
    controls_.value(QStringLiteral("Text1"))->setFocus();
}

Form1::~Form1() = default;

void Form1::buildMenus()
{
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));

    QMenu* telescopes = file->addMenu(QStringLiteral("&ApriTelescopio"));
    telescopes->setObjectName(QStringLiteral("mnuApriTelescopio"));
    for (const TelescopeGroup& group : kTelescopeGroups) {
        QMenu* groupMenu = telescopes->addMenu(toQString(group.caption));
        groupMenu->setObjectName(toQString(group.name));
        for (const Telescope& telescope : kTelescopes) {
            if (telescope.group != group.name)
                continue;
            QAction* entry = groupMenu->addAction(toQString(telescope.caption));
            entry->setObjectName(toQString(telescope.name));
            connect(entry, &QAction::triggered, this, [this, &telescope] { applyTelescope(telescope, *fields_); });
        }
    }

    QMenu* cameras = file->addMenu(QStringLiteral("&ApriCamera"));
    cameras->setObjectName(QStringLiteral("mnuApriCamera"));
    for (const Camera& camera : kCameras) {
        QAction* entry = cameras->addAction(toQString(camera.caption));
        entry->setObjectName(toQString(camera.name));
        connect(entry, &QAction::triggered, this, [this, &camera] { applyCamera(camera, *fields_); });
    }

    QAction* print = file->addAction(QStringLiteral("&Stampa"));
    print->setObjectName(QStringLiteral("mnuStampa"));
    connect(print, &QAction::triggered, this, &Form1::mnuStampa_Click);
    QAction* close = file->addAction(QStringLiteral("&Chiudi"));
    close->setObjectName(QStringLiteral("mnuChiudi"));
    connect(close, &QAction::triggered, this, &Form1::mnuChiudi_Click);

    QMenu* information = menuBar()->addMenu(QStringLiteral("&informazzioni"));
    information->setObjectName(QStringLiteral("mnuinformazzioni"));
    QAction* about = information->addAction(QStringLiteral("&Prodotto"));
    about->setObjectName(QStringLiteral("mnuProdotto"));
    connect(about, &QAction::triggered, this, &Form1::mnuProdotto_Click);
    QAction* help = information->addAction(QStringLiteral("&Aiuto"));
    help->setObjectName(QStringLiteral("mnuAiuto"));
    connect(help, &QAction::triggered, this, &Form1::mnuAiuto_Click);
}

void Form1::setTabOrder()
{
    for (std::size_t i = 1; i < kForm1TabOrder.size(); ++i) {
        QWidget::setTabOrder(
            controls_.value(toQString(kForm1TabOrder[i - 1])), controls_.value(toQString(kForm1TabOrder[i])));
    }
}

void Form1::Command1_Click()
{
    runCalculation(*fields_, *messages_, QLocale().decimalPoint().toStdString());
}

void Form1::Command2_Click()
{
    resetInputs(*fields_);
}

// Ends the program at once: every window goes, nothing is asked.
void Form1::Command3_Click()
{
    QCoreApplication::exit(0);
}

void Form1::Command4_Click()
{
    saveReport(*fields_, *messages_);
}

void Form1::mnuStampa_Click()
{
    const QPrinterInfo defaultPrinter = QPrinterInfo::defaultPrinter();
    if (defaultPrinter.isNull()) {
        messages_->show(kNoPrinter, kPrintTitle, MessageIcon::Stop);
        return;
    }
    QPrinter printer(defaultPrinter, QPrinter::HighResolution);
    if (!printWidget(*clientArea_, printer))
        messages_->show(kPrintFailed, kPrintTitle, MessageIcon::Stop);
}

void Form1::mnuChiudi_Click()
{
    Command3_Click();
}

// Each choice opens one more independent window; none is kept here.
void Form1::mnuProdotto_Click()
{
    auto* about = new frmAbout();
    keepProgramAliveWhileOpen(*about);
    about->show();
}

void Form1::mnuAiuto_Click()
{
    auto* help = new Dialog();
    keepProgramAliveWhileOpen(*help);
    help->show();
}
