#include "Form1.h"

#include "Dialog.h"
#include "app/app_identity.h"
#include "app/window_texts.h"
#include "background_print.h"
#include "calc/calculation.h"
#include "control_factory.h"
#include "fixed_dialog.h"
#include "form1_accessibility.h"
#include "form1_fields.h"
#include "form1_layout.h"
#include "form1_report.h"
#include "formats/input_error.h"
#include "formats/strict_number.h"
#include "frmAbout.h"
#include "planner/planner_window.h"
#include "presets/catalogue.h"
#include "qt_messages.h"
#include "report/report_file.h"
#include "report_writer.h"
#include "utf8.h"
#include "window_lifetime.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QLocale>
#include <QMenuBar>
#include <QPushButton>

#include <algorithm>
#include <array>

using namespace velmora;
using namespace velmora::ui;

namespace {
constexpr std::string_view kPrintTitle = "Stampa";
constexpr std::string_view kNoPrinter = "Nessuna stampante predefinita: la finestra non è stata stampata.";
constexpr std::string_view kPrintFailed = "La stampa non è riuscita.";
constexpr std::string_view kNoAnswer = "La stampante non risponde: la finestra non è stata stampata.";

std::string_view printFailureMessage(PrintResult result)
{
    switch (result) {
    case PrintResult::NoPrinter:
        return kNoPrinter;
    case PrintResult::NoAnswer:
        return kNoAnswer;
    case PrintResult::Printed:
    case PrintResult::Failed:
        break;
    }
    return kPrintFailed;
}
} // namespace

Form1::Form1(std::unique_ptr<Messages> messages, QWidget* parent) :
      QMainWindow(parent), clientArea_(new QWidget(this)),
      messages_(messages ? std::move(messages) : std::make_unique<QtMessages>(this))
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Velmora %1.%2").arg(kVersionMajor).arg(kVersionMinor));
    setWindowIcon(QIcon(QStringLiteral(":/icons/icon.png")));

    // Labels and frames stand on the system's button face.
    clientArea_->setObjectName(QStringLiteral("clientArea"));
    QPalette palette = clientArea_->palette();
    palette.setColor(QPalette::Window, palette.color(QPalette::Button));
    clientArea_->setPalette(palette);
    clientArea_->setAutoFillBackground(true);
    setCentralWidget(clientArea_);

    controls_ = buildControls(kForm1Controls, clientArea_);
    describeForScreenReaders(controls_);
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
        for (const TelescopeEntry& telescope : kTelescopes) {
            if (telescope.group != group.name)
                continue;
            QAction* entry = groupMenu->addAction(toQString(telescope.caption));
            entry->setObjectName(toQString(telescope.name));
            connect(entry, &QAction::triggered, this, [this, &telescope] { applyTelescope(telescope); });
        }
    }

    QMenu* cameras = file->addMenu(QStringLiteral("&ApriCamera"));
    cameras->setObjectName(QStringLiteral("mnuApriCamera"));
    for (const CameraEntry& camera : kCameras) {
        QAction* entry = cameras->addAction(toQString(camera.caption));
        entry->setObjectName(toQString(camera.name));
        connect(entry, &QAction::triggered, this, [this, &camera] { applyCamera(camera); });
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

    QMenu* plan = menuBar()->addMenu(QStringLiteral("&Pianifica"));
    plan->setObjectName(QStringLiteral("mnuPianifica"));
    QAction* planner = plan->addAction(QStringLiteral("&Pianificazione..."));
    planner->setObjectName(QStringLiteral("mnuPianificazione"));
    connect(planner, &QAction::triggered, this, &Form1::mnuPianificazione_Click);
}

void Form1::setTabOrder()
{
    std::vector<TabStop> path(kButtonTabStops.begin(), kButtonTabStops.end());
    for (const Form1Field& field : kForm1Fields)
        path.push_back({field.control, field.tabStop});
    std::ranges::sort(path, {}, &TabStop::tabStop);
    for (std::size_t i = 1; i < path.size(); ++i) {
        QWidget::setTabOrder(
            controls_.value(toQString(path[i - 1].control)), controls_.value(toQString(path[i].control)));
    }
}

QLineEdit* Form1::field(std::string_view name) const
{
    auto* field = qobject_cast<QLineEdit*>(controls_.value(toQString(name)));
    Q_ASSERT_X(field, "Form1", "no text field of that name");
    return field;
}

std::string Form1::fieldText(std::string_view name) const
{
    return field(name)->text().toStdString();
}

void Form1::setFieldText(std::string_view name, std::string_view text)
{
    QLineEdit* widget = field(name);
    widget->setText(toQString(text));
    widget->setCursorPosition(0); // a value too long for its field shows its first digits
}

void Form1::applyTelescope(const TelescopeEntry& telescope)
{
    const TelescopeTexts texts = inputTexts(telescope.telescope);
    setFieldText(form1Field("aperture").control, texts.aperture);
    setFieldText(form1Field("focal_length").control, texts.focalLength);
    if (!telescope.emptiedResult.empty())
        setFieldText(form1Field(telescope.emptiedResult).control, "");
}

void Form1::applyCamera(const CameraEntry& camera)
{
    const CameraTexts texts = inputTexts(camera.camera);
    setFieldText(form1Field("pixel_size").control, texts.pixelSize);
    setFieldText(form1Field("sensor_width").control, texts.sensorWidth);
    setFieldText(form1Field("sensor_height").control, texts.sensorHeight);
}

void Form1::Command1_Click()
{
    std::array<std::string, kInputIds.size()> texts;
    std::ranges::transform(
        kInputIds, texts.begin(), [this](std::string_view id) { return fieldText(form1Field(id).control); });
    const Outcome outcome = calculate(
        InputTexts {texts[0], texts[1], texts[2], texts[3], texts[4]}, QLocale().decimalPoint().toStdString());

    for (int i = 0; i < outcome.emptyInputMessages; ++i)
        messages_->show(kEmptyInputMessage, kAppTitle, MessageIcon::None);
    for (const Result& result : outcome.results)
        setFieldText(form1Field(result.quantity->id).control, result.text);
    if (outcome.failure)
        messages_->show(failureMessage(*outcome.failure), kAppTitle, MessageIcon::Stop);
}

// "RESET": empties the five input fields; results and the file name stay.
void Form1::Command2_Click()
{
    for (const std::string_view input : kInputIds)
        setFieldText(form1Field(input).control, "");
}

// Ends the program at once: every window goes, nothing is asked.
void Form1::Command3_Click()
{
    QCoreApplication::exit(0);
}

void Form1::Command4_Click()
{
    const std::string bytes =
        reportFileBytes(form1ReportPieces([this](std::string_view name) { return fieldText(name); }));
    if (writeReportFile(field("NomeFile")->text(), QByteArray::fromStdString(bytes)))
        messages_->show(kSaveSucceeded, kSaveTitle, MessageIcon::Information);
    else
        messages_->show(kSaveFailed, kSaveTitle, MessageIcon::Stop);
}

// The print runs away from the window's thread, which stays responsive while
// the print system is asked; the outcome is shown when it is known.
void Form1::mnuStampa_Click()
{
    auto* print = new BackgroundPrint(*clientArea_, this);
    connect(print, &BackgroundPrint::finished, this, [this, print](PrintResult result) {
        print->deleteLater();
        if (result != PrintResult::Printed)
            messages_->show(printFailureMessage(result), kPrintTitle, MessageIcon::Stop);
    });
    print->start();
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
    showActive(*about);
}

void Form1::mnuAiuto_Click()
{
    auto* help = new Dialog();
    keepProgramAliveWhileOpen(*help);
    showActive(*help);
}

// One planner, raised when asked for again; it starts from the five input
// fields that hold a number.
void Form1::mnuPianificazione_Click()
{
    if (!planner_) {
        PlannerWindow::StartingFigures start;
        for (std::size_t i = 0; i < start.size(); ++i) {
            try {
                start[i] =
                    formats::strictNumber(fieldText(form1Field(kInputIds[i]).control), formats::NumberKind::Positive);
            } catch (const formats::InputError&) {
                start[i] = std::nullopt;
            }
        }
        planner_ = new PlannerWindow(start);
        planner_->setAttribute(Qt::WA_DeleteOnClose);
    }
    planner_->show();
    planner_->raise();
    planner_->activateWindow();
}
