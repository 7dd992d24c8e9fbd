// The planner's night: the site, the moment, the horizon, the chart and the
// figures the site gives the object.
#include "formats/horizon_file.h"
#include "formats/input_error.h"
#include "night_chart_view.h"
#include "planner_fields.h"
#include "planner_texts.h"
#include "planner_window.h"
#include "planning/night_chart.h"

#include <QCheckBox>
#include <QDateTimeEdit>
#include <QDoubleSpinBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QVBoxLayout>

#include <cmath>

namespace {

// Tonight: this evening at 21 local time, in UTC.
QDateTime tonight()
{
    return QDateTime(QDate::currentDate(), QTime(21, 0)).toUTC();
}

} // namespace

QWidget* PlannerWindow::buildNight()
{
    auto* page = new QWidget;
    auto* layout = new QHBoxLayout(page);
    auto* form = new QFormLayout;
    latitude_ = decimalField(
        {"spnLatitudine", -90, 90, 0, 4, QStringLiteral("°"), QStringLiteral("Latitudine, nord positiva")});
    longitude_ = decimalField(
        {"spnLongitudine", -180, 180, 0, 4, QStringLiteral("°"), QStringLiteral("Longitudine, est positiva")});
    elevation_ = decimalField(
        {"spnQuota", -500, 9000, 0, 0, QStringLiteral(" m"), QStringLiteral("Quota sul livello del mare")});
    moment_ = new QDateTimeEdit(tonight());
    moment_->setObjectName(QStringLiteral("dteData"));
    moment_->setTimeSpec(Qt::UTC);
    moment_->setDisplayFormat(QStringLiteral("dd/MM/yyyy HH:mm 'UTC'"));
    moment_->setCalendarPopup(true);
    moment_->setToolTip(QStringLiteral("Il momento segnato sul grafico; la notte è quella più vicina"));
    minAltitude_ = decimalField({"spnAltezzaMinima", 0, 90, 0, 0, QStringLiteral("°"),
        QStringLiteral("L'altezza sotto la quale non si riprende")});
    minAltitude_->setValue(30);
    altAz_ = new QCheckBox(QStringLiteral("Montatura altazimutale"));
    altAz_->setObjectName(QStringLiteral("chkAltazimutale"));
    altAz_->setToolTip(QStringLiteral("Una montatura altazimutale ruota il campo"));
    horizonButton_ = new QPushButton(QStringLiteral("Ori&zzonte..."));
    horizonButton_->setObjectName(QStringLiteral("cmdOrizzonte"));
    horizonButton_->setToolTip(QStringLiteral("Un file di righe «azimut altezza» in gradi"));
    horizonName_ = new QLabel(QStringLiteral("piatto"));
    horizonName_->setObjectName(QStringLiteral("lblOrizzonte"));
    auto* horizonRow = new QHBoxLayout;
    horizonRow->addWidget(horizonButton_);
    horizonRow->addWidget(horizonName_, 1);
    form->addRow(QStringLiteral("Latit&udine"), latitude_);
    form->addRow(QStringLiteral("Longitu&dine"), longitude_);
    form->addRow(QStringLiteral("&Quota"), elevation_);
    form->addRow(QStringLiteral("Data e &ora"), moment_);
    form->addRow(QStringLiteral("Altezza &minima"), minAltitude_);
    form->addRow(altAz_);
    form->addRow(horizonRow);
    nightMessage_ = messageLine("lblAvvisoNotte");
    form->addRow(nightMessage_);
    nightFigures_ = figuresLine("lblNotte",
        QStringLiteral(
            "Altezza e transito con la rifrazione del luogo; ore utili: buio astronomico, sopra l'altezza minima e "
            "l'orizzonte, lontano dalla Luna; dispersione: quanto l'atmosfera separa i colori della banda"));
    form->addRow(nightFigures_);
    layout->addLayout(form);
    chart_ = new NightChartView;
    chart_->setObjectName(QStringLiteral("grfNotte"));
    layout->addWidget(chart_, 1);

    for (QDoubleSpinBox* box : {latitude_, longitude_, elevation_, minAltitude_})
        connect(box, &QDoubleSpinBox::valueChanged, this, &PlannerWindow::recompute);
    connect(moment_, &QDateTimeEdit::dateTimeChanged, this, &PlannerWindow::recompute);
    connect(altAz_, &QCheckBox::toggled, this, &PlannerWindow::recompute);
    connect(horizonButton_, &QPushButton::clicked, this, &PlannerWindow::chooseHorizon);
    return page;
}

void PlannerWindow::chooseHorizon()
{
    const QString path = QFileDialog::getOpenFileName(this, QStringLiteral("Orizzonte"), horizonPath_);
    if (path.isEmpty())
        return;
    try {
        horizon_ = velmora::formats::readHorizonFile(path.toStdString());
        horizonPath_ = path;
        horizonName_->setText(QFileInfo(path).fileName());
        nightMessage_->clear();
    } catch (const velmora::formats::InputError& error) {
        nightMessage_->setText(
            QStringLiteral("Il file dell'orizzonte non si legge: %1").arg(italianFileProblem(error)));
    }
    recompute();
}

void PlannerWindow::showNight()
{
    const auto& c = computation_;
    if (!c || !c->targetTonight || !c->night) {
        chart_->setChart(std::nullopt);
        nightFigures_->setText(c && c->target && !c->target->object->rightAscensionDeg
                ? QStringLiteral("Il catalogo non dà la posizione dell'oggetto.")
                : QString());
        return;
    }
    const velmora::planning::Request asked = request();
    chart_->setChart(velmora::planning::nightChart(*asked.observation, *asked.date, c->target->object));
    const velmora::sky::SiteView& view = c->targetTonight->view;
    const velmora::sky::TargetNight& hours = c->targetTonight->hours;
    QStringList lines;
    lines << QStringLiteral("Altezza ora: %1°").arg(italianNumber(view.altitude, 3));
    if (view.transit)
        lines << QStringLiteral("Transito: %1 UTC, a %2°")
                     .arg(utcText(*view.transit, QStringLiteral("dd/MM HH:mm")),
                         italianNumber(view.transitAltitude.value_or(0), 3));
    lines << QStringLiteral("Ore utili stanotte: %1 (senza la Luna %2)")
                 .arg(italianNumber(hours.usable.hours, 3), italianNumber(hours.ignoringMoon.hours, 3));
    lines << QStringLiteral("Distanza dalla Luna: %1°").arg(italianNumber(c->targetTonight->moonSeparation, 3));
    if (view.dispersionPixels)
        lines << QStringLiteral("Dispersione atmosferica: %1 pixel").arg(italianNumber(*view.dispersionPixels, 3));
    if (view.rotationRate)
        lines << QStringLiteral("Rotazione di campo: %1″ al secondo").arg(italianNumber(*view.rotationRate, 3));
    if (view.longestExposure)
        lines << QStringLiteral("Posa più lunga prima che un angolo si sposti di un pixel: %1 s")
                     .arg(italianNumber(*view.longestExposure, 3));
    nightFigures_->setText(lines.join(QLatin1Char('\n')));
    chart_->setAccessibleDescription(nightFigures_->text());
}
