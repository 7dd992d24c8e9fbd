#include "exposure_page.h"

#include "fields.h"
#include "formats/input_error.h"
#include "italian_texts.h"
#include "planning_session.h"
#include "recalled.h"

#include <QDoubleSpinBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

using velmora::planning::FigureId;
using velmora::planning::Subject;

namespace {

const QString kBandOrder = QStringLiteral("La banda va dalla lunghezza d'onda più corta alla più lunga.");

} // namespace

ExposurePage::ExposurePage(PlanningSession& session, QWidget* parent) : PlannerPage(session, parent)
{
    group_ = new QGroupBox(QStringLiteral("&Calcola l'esposizione"));
    group_->setObjectName(QStringLiteral("grpEsposizione"));
    group_->setCheckable(true);
    group_->setChecked(false);
    sqm_ = figureField(FigureId::Sqm, QStringLiteral("Luminosità del cielo letta da un misuratore SQM"));
    readNoise_ = figureField(
        FigureId::ReadNoise, QStringLiteral("Rumore di lettura della camera; 0 per prenderlo dal file della camera"));
    readNoise_->setSpecialValueText(QStringLiteral("dal file"));
    auto* cameraFile = new QPushButton(QStringLiteral("File della c&amera..."));
    cameraFile->setObjectName(QStringLiteral("cmdFileCamera"));
    cameraFile->setToolTip(QStringLiteral("Il file XML di un calcolatore di esposizione: rumore per guadagno"));
    cameraFileName_ = new QLabel(QStringLiteral("nessuno"));
    cameraFileName_->setObjectName(QStringLiteral("lblFileCamera"));
    auto* fileRow = new QHBoxLayout;
    fileRow->addWidget(cameraFile);
    fileRow->addWidget(cameraFileName_, 1);
    gain_ = figureField(FigureId::Gain, QStringLiteral("Il guadagno a cui si legge il file"));
    quantumEfficiency_ =
        figureField(FigureId::QuantumEfficiency, QStringLiteral("Efficienza quantica del sensore, da 0 a 1"));
    bandShortest_ = figureField(FigureId::BandShortest, QStringLiteral("Dove comincia la banda del filtro"));
    bandLongest_ = figureField(FigureId::BandLongest, QStringLiteral("Dove finisce la banda del filtro"));
    auto* bandRow = new QHBoxLayout;
    bandRow->addWidget(bandShortest_);
    bandRow->addWidget(new QLabel(QStringLiteral("–")));
    bandRow->addWidget(bandLongest_);
    snr_ = figureField(
        FigureId::Snr, QStringLiteral("Il rapporto segnale/rumore che un pixel dell'oggetto deve raggiungere"));
    auto* form = new QFormLayout(group_);
    form->addRow(fieldLabel(QStringLiteral("Cielo (S&QM)"), sqm_), sqm_);
    form->addRow(fieldLabel(QStringLiteral("&Rumore di lettura"), readNoise_), readNoise_);
    form->addRow(fileRow);
    form->addRow(fieldLabel(QStringLiteral("G&uadagno"), gain_), gain_);
    form->addRow(fieldLabel(QStringLiteral("Efficienza quan&tica"), quantumEfficiency_), quantumEfficiency_);
    auto* bandLabel = fieldLabel(QStringLiteral("&Banda del filtro"), bandShortest_);
    form->addRow(bandLabel, bandRow);
    form->addRow(fieldLabel(QStringLiteral("Segnale/rumore &voluto"), snr_), snr_);
    message_ = messageLine("lblAvvisoEsposizione");
    figures_ = figuresLine("lblEsposizione",
        QStringLiteral("Posa singola: la più breve in cui il rumore di lettura aumenta il rumore del cielo di non più "
                       "del 5%; ore di posa: quelle che portano un pixel dell'oggetto al rapporto segnale/rumore "
                       "voluto"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group_);
    layout->addWidget(message_);
    layout->addWidget(figures_);
    layout->addStretch();

    connect(group_, &QGroupBox::toggled, this, &ExposurePage::write);
    for (QDoubleSpinBox* box : {sqm_, readNoise_, gain_, quantumEfficiency_, bandShortest_, bandLongest_, snr_})
        connect(box, &QDoubleSpinBox::valueChanged, this, &ExposurePage::write);
    connect(cameraFile, &QPushButton::clicked, this, &ExposurePage::chooseCameraFile);
    connect(&session_, &PlanningSession::answered, this, &ExposurePage::showAnswer);
    write();
}

void ExposurePage::write()
{
    const bool ordered = bandShortest_->value() < bandLongest_->value();
    std::optional<velmora::planning::ExposureRequest> exposure;
    if (group_->isChecked() && ordered) {
        exposure.emplace();
        exposure->sqm = sqm_->value();
        exposure->quantumEfficiency = quantumEfficiency_->value();
        if (readNoise_->value() > 0 || !cameraFile_) {
            // 0, "dal file", with no file: no read noise given
            exposure->readNoise = readNoise_->value() > 0 ? std::optional(readNoise_->value()) : std::nullopt;
        } else {
            exposure->camera = cameraFile_;
            exposure->gain = gain_->value();
        }
        exposure->snr = snr_->value();
    }
    const velmora::planning::FilterBand band {bandShortest_->value(), bandLongest_->value()};
    session_.update([&](velmora::planning::Request& r) {
        r.exposure = exposure;
        if (!exposure)
            return;
        r.band = band;
        if (r.observation) {
            r.observation->shortest = band.shortest;
            r.observation->longest = band.longest;
        }
    });
}

void ExposurePage::chooseCameraFile()
{
    const QString path = QFileDialog::getOpenFileName(
        this, QStringLiteral("File della camera"), QString(), QStringLiteral("XML (*.xml);;Tutti i file (*)"));
    if (path.isEmpty())
        return;
    try {
        cameraFile_ = velmora::formats::readCameraNoiseFile(path.toStdString());
        cameraFileName_->setText(QFileInfo(path).fileName());
        gain_->setValue(cameraFile_->readNoise.lowestGain());
        message_->clear();
    } catch (const velmora::formats::InputError& error) {
        message_->setText(QStringLiteral("Il file della camera non si legge: %1").arg(italianFileProblem(error)));
    }
    write();
}

void ExposurePage::showAnswer()
{
    const PlanningAnswer& answer = session_.answer();
    const bool ordered = bandShortest_->value() < bandLongest_->value();
    const bool aboutExposure = answer.refusal &&
        (answer.refusal->subject() == Subject::Obstruction || answer.refusal->subject() == Subject::Gain);
    message_->setText(!ordered ? kBandOrder : aboutExposure ? italianRefusal(*answer.refusal) : QString());
    const auto& c = answer.computation;
    if (!c || !c->exposure) {
        figures_->setText(
            group_->isChecked() ? QString() : QStringLiteral("Spuntare «Calcola l'esposizione» per i tempi di posa."));
        return;
    }
    const velmora::planning::ExposureFigures& e = *c->exposure;
    QStringList lines;
    lines << QStringLiteral("Cielo: %1 e⁻ al secondo per pixel").arg(italianNumber(e.skyRate, 3));
    if (e.readNoise)
        lines << QStringLiteral("Rumore di lettura: %1 e⁻").arg(italianNumber(*e.readNoise, 3));
    lines << (e.sub ? QStringLiteral("Posa singola: %1 s").arg(italianNumber(*e.sub, 3))
                    : QStringLiteral("Senza rumore di lettura ogni posa è limitata dal cielo."));
    if (e.target) {
        lines << QStringLiteral("Oggetto: %1 mag/″², %2 e⁻ al secondo per pixel")
                     .arg(italianNumber(e.target->surfaceBrightness, 3), italianNumber(e.target->signalRate, 3));
        if (e.target->hours)
            lines << QStringLiteral("Ore di posa per segnale/rumore %1: %2")
                         .arg(italianNumber(e.snrGoal, 3), italianHours(*e.target->hours));
        if (e.target->snrTonight)
            lines << QStringLiteral("Segnale/rumore con le ore utili di stanotte: %1")
                         .arg(italianNumber(*e.target->snrTonight, 3));
    } else if (c->target) {
        lines << QStringLiteral("Il catalogo non dà magnitudine o dimensioni dell'oggetto.");
    }
    figures_->setText(lines.join(QLatin1Char('\n')));
}

void ExposurePage::remember(QSettings& settings) const
{
    settings.setValue(QStringLiteral("esposizione/sqm"), sqm_->value());
    settings.setValue(QStringLiteral("esposizione/segnaleRumore"), snr_->value());
}

void ExposurePage::recall(Recalled& recalled)
{
    recalled.into(sqm_, QStringLiteral("esposizione/sqm"));
    recalled.into(snr_, QStringLiteral("esposizione/segnaleRumore"));
}
