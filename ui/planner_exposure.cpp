// The planner's exposure: the sky, the camera's noise and the filter, and
// what they give the object shown.
#include "formats/camera_noise_file.h"
#include "formats/input_error.h"
#include "optics/plausible_range.h"
#include "planner_fields.h"
#include "planner_texts.h"
#include "planner_window.h"

#include <QDoubleSpinBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

} // namespace

QWidget* PlannerWindow::buildExposure()
{
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    exposure_ = new QGroupBox(QStringLiteral("Calcola l'esposizione"));
    exposure_->setObjectName(QStringLiteral("grpEsposizione"));
    exposure_->setCheckable(true);
    exposure_->setChecked(false);
    auto* form = new QFormLayout(exposure_);
    using namespace velmora::optics;
    sqm_ = decimalField({"spnSqm", kSkyBrightnessRange.lowest, kSkyBrightnessRange.highest, 21, 2,
        QStringLiteral(" mag/″²"), QStringLiteral("Luminosità del cielo letta da un misuratore SQM")});
    readNoise_ =
        decimalField({"spnRumore", kReadNoiseRange.lowest, kReadNoiseRange.highest, 0, 2, QStringLiteral(" e⁻"),
            QStringLiteral("Rumore di lettura della camera; 0 per prenderlo dal file della camera")});
    readNoise_->setSpecialValueText(QStringLiteral("dal file"));
    cameraFileButton_ = new QPushButton(QStringLiteral("File della ca&mera..."));
    cameraFileButton_->setObjectName(QStringLiteral("cmdFileCamera"));
    cameraFileButton_->setToolTip(QStringLiteral("Il file XML di un calcolatore di esposizione: rumore per guadagno"));
    cameraFileName_ = new QLabel(QStringLiteral("nessuno"));
    cameraFileName_->setObjectName(QStringLiteral("lblFileCamera"));
    auto* fileRow = new QHBoxLayout;
    fileRow->addWidget(cameraFileButton_);
    fileRow->addWidget(cameraFileName_, 1);
    gain_ = decimalField({"spnGuadagno", kGainRange.lowest, kGainRange.highest, 0, 0, {},
        QStringLiteral("Il guadagno a cui si legge il file")});
    quantumEfficiency_ = decimalField(
        {"spnEfficienza", 0.01, 1, 0.6, 2, {}, QStringLiteral("Efficienza quantica del sensore, da 0 a 1")});
    bandShortest_ = decimalField(
        {"spnBandaDa", 300, 2000, 400, 0, QStringLiteral(" nm"), QStringLiteral("Dove comincia la banda del filtro")});
    bandLongest_ = decimalField(
        {"spnBandaA", 300, 2000, 700, 0, QStringLiteral(" nm"), QStringLiteral("Dove finisce la banda del filtro")});
    auto* bandRow = new QHBoxLayout;
    bandRow->addWidget(bandShortest_);
    bandRow->addWidget(new QLabel(QStringLiteral("–")));
    bandRow->addWidget(bandLongest_);
    snr_ = decimalField({"spnSegnaleRumore", 1, kSnrRange.highest, 10, 0, {},
        QStringLiteral("Il rapporto segnale/rumore che un pixel dell'oggetto deve raggiungere")});
    form->addRow(QStringLiteral("Cielo (S&QM)"), sqm_);
    form->addRow(QStringLiteral("&Rumore di lettura"), readNoise_);
    form->addRow(fileRow);
    form->addRow(QStringLiteral("&Guadagno"), gain_);
    form->addRow(QStringLiteral("Efficienza quantica"), quantumEfficiency_);
    auto* bandLabel = new QLabel(QStringLiteral("Ban&da del filtro"));
    bandLabel->setBuddy(bandShortest_);
    form->addRow(bandLabel, bandRow);
    form->addRow(QStringLiteral("Segnale/rumore &voluto"), snr_);
    layout->addWidget(exposure_);
    exposureMessage_ = messageLine("lblAvvisoEsposizione");
    layout->addWidget(exposureMessage_);
    exposureFigures_ = figuresLine("lblEsposizione",
        QStringLiteral(
            "Posa singola: la più breve in cui il rumore di lettura aumenta il rumore del cielo di non più del 5%; "
            "ore di posa: quelle che portano un pixel dell'oggetto al rapporto segnale/rumore voluto"));
    layout->addWidget(exposureFigures_);
    layout->addStretch();

    connect(exposure_, &QGroupBox::toggled, this, &PlannerWindow::recompute);
    for (QDoubleSpinBox* box : {sqm_, readNoise_, gain_, quantumEfficiency_, bandShortest_, bandLongest_, snr_})
        connect(box, &QDoubleSpinBox::valueChanged, this, &PlannerWindow::recompute);
    connect(cameraFileButton_, &QPushButton::clicked, this, &PlannerWindow::chooseCameraFile);
    return page;
}

void PlannerWindow::chooseCameraFile()
{
    const QString path = QFileDialog::getOpenFileName(
        this, QStringLiteral("File della camera"), QString(), QStringLiteral("XML (*.xml);;Tutti i file (*)"));
    if (path.isEmpty())
        return;
    try {
        cameraFile_ = velmora::formats::readCameraNoiseFile(path.toStdString());
        cameraFileName_->setText(QFileInfo(path).fileName());
        const velmora::optics::ReadNoiseTable& table = cameraFile_->readNoise;
        gain_->setValue(table.lowestGain());
        exposureMessage_->clear();
    } catch (const velmora::formats::InputError& error) {
        exposureMessage_->setText(
            QStringLiteral("Il file della camera non si legge: %1").arg(italianFileProblem(error)));
    }
    recompute();
}

std::optional<velmora::planning::ExposureRequest> PlannerWindow::exposureRequest() const
{
    if (!exposure_->isChecked() || !(bandShortest_->value() < bandLongest_->value()))
        return std::nullopt;
    velmora::planning::ExposureRequest request;
    request.sqm = sqm_->value();
    request.quantumEfficiency = quantumEfficiency_->value();
    if (readNoise_->value() > 0 || !cameraFile_)
        request.readNoise = readNoise_->value() > 0 ? std::optional(readNoise_->value()) : std::nullopt;
    else {
        request.camera = cameraFile_;
        request.gain = gain_->value();
    }
    request.snr = snr_->value();
    return request;
}

void PlannerWindow::showExposure()
{
    const auto& c = computation_;
    if (!(bandShortest_->value() < bandLongest_->value()))
        exposureMessage_->setText(QStringLiteral("La banda va dalla lunghezza d'onda più corta alla più lunga."));
    else if (exposureMessage_->text().startsWith(QStringLiteral("La banda")))
        exposureMessage_->clear();
    if (!c || !c->exposure) {
        exposureFigures_->setText(exposure_->isChecked()
                ? QString()
                : QStringLiteral("Spuntare «Calcola l'esposizione» per i tempi di posa."));
        return;
    }
    const velmora::planning::ExposureFigures& e = *c->exposure;
    QStringList lines;
    lines << QStringLiteral("Cielo: %1 e⁻ al secondo per pixel").arg(italianNumber(e.skyRate, 3));
    if (e.readNoise)
        lines << QStringLiteral("Rumore di lettura: %1 e⁻").arg(italianNumber(*e.readNoise, 3));
    if (e.sub)
        lines << QStringLiteral("Posa singola: %1 s").arg(italianNumber(*e.sub, 3));
    else
        lines << QStringLiteral("Senza rumore di lettura ogni posa è limitata dal cielo.");
    if (e.target) {
        lines << QStringLiteral("Oggetto: %1 mag/″², %2 e⁻ al secondo per pixel")
                     .arg(italianNumber(e.target->surfaceBrightness, 3), italianNumber(e.target->signalRate, 3));
        if (e.target->hours)
            lines << QStringLiteral("Ore di posa per segnale/rumore %1: %2")
                         .arg(italianNumber(e.snrGoal, 3), italianNumber(*e.target->hours, 3));
        if (e.target->snrTonight)
            lines << QStringLiteral("Segnale/rumore con le ore utili di stanotte: %1")
                         .arg(italianNumber(*e.target->snrTonight, 3));
    } else if (c->target) {
        lines << QStringLiteral("Il catalogo non dà magnitudine o dimensioni dell'oggetto.");
    }
    exposureFigures_->setText(lines.join(QLatin1Char('\n')));
}
