#include "night_page.h"

#include "fields.h"
#include "formats/horizon_file.h"
#include "formats/input_error.h"
#include "italian_texts.h"
#include "local_time.h"
#include "night_chart_view.h"
#include "planning_session.h"
#include "recalled.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QDoubleSpinBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

using velmora::planning::FigureId;

namespace {

// Until a site is given, Rome's.
constexpr double kRomeLatitude = 41.9028;
constexpr double kRomeLongitude = 12.4964;
constexpr double kRomeElevation = 20;

const QString kZoneKey = QStringLiteral("fusoOrario");

} // namespace

NightPage::NightPage(PlanningSession& session, QWidget* parent) : PlannerPage(session, parent)
{
    latitude_ = figureField(FigureId::Latitude, QStringLiteral("Latitudine, nord positiva"));
    latitude_->setValue(kRomeLatitude);
    longitude_ = figureField(FigureId::Longitude, QStringLiteral("Longitudine, est positiva"));
    longitude_->setValue(kRomeLongitude);
    elevation_ = figureField(FigureId::Elevation, QStringLiteral("Quota sul livello del mare"));
    elevation_->setValue(kRomeElevation);
    zone_ = new QComboBox;
    zone_->setObjectName(QStringLiteral("cboFusoOrario"));
    zone_->setToolTip(QStringLiteral("Il fuso orario del luogo: tutte le ore si leggono sul suo orologio"));
    zone_->setEditable(true);
    zone_->setInsertPolicy(QComboBox::NoInsert);
    for (const QByteArray& id : QTimeZone::availableTimeZoneIds())
        zone_->addItem(QString::fromUtf8(id));
    zone_->setCurrentText(QString::fromUtf8(session_.timeZone().id()));
    moment_ = new QDateTimeEdit;
    moment_->setObjectName(QStringLiteral("dteData"));
    moment_->setTimeSpec(Qt::UTC); // a wall clock's reading, placed by the zone
    moment_->setDisplayFormat(QStringLiteral("dd/MM/yyyy HH:mm"));
    moment_->setCalendarPopup(true);
    moment_->setToolTip(
        QStringLiteral("Il momento segnato sul grafico, all'ora del luogo; la notte è quella più vicina"));
    moment_->setDateTime(QDateTime(QDate::currentDate(), QTime(21, 0), Qt::UTC));
    zoneName_ = new QLabel;
    zoneName_->setObjectName(QStringLiteral("lblFuso"));
    auto* momentRow = new QHBoxLayout;
    momentRow->addWidget(moment_, 1);
    momentRow->addWidget(zoneName_);
    minAltitude_ = figureField(FigureId::MinAltitude, QStringLiteral("L'altezza sotto la quale non si riprende"));
    altAz_ = new QCheckBox(QStringLiteral("&Montatura altazimutale"));
    altAz_->setObjectName(QStringLiteral("chkAltazimutale"));
    altAz_->setToolTip(QStringLiteral("Una montatura altazimutale ruota il campo"));
    auto* horizonButton = new QPushButton(QStringLiteral("Ori&zzonte..."));
    horizonButton->setObjectName(QStringLiteral("cmdOrizzonte"));
    horizonButton->setToolTip(QStringLiteral("Un file di righe «azimut altezza» in gradi"));
    horizonName_ = new QLabel(QStringLiteral("piatto"));
    horizonName_->setObjectName(QStringLiteral("lblOrizzonte"));
    auto* horizonRow = new QHBoxLayout;
    horizonRow->addWidget(horizonButton);
    horizonRow->addWidget(horizonName_, 1);
    message_ = messageLine("lblAvvisoNotte");
    figures_ = figuresLine("lblNotte",
        QStringLiteral("Altezza e transito con la rifrazione del luogo; ore utili: buio astronomico, sopra l'altezza "
                       "minima e l'orizzonte, lontano dalla Luna; dispersione: quanto l'atmosfera separa i colori "
                       "della banda"));
    auto* form = new QFormLayout;
    form->addRow(fieldLabel(QStringLiteral("&Latitudine"), latitude_), latitude_);
    form->addRow(fieldLabel(QStringLiteral("Longit&udine"), longitude_), longitude_);
    form->addRow(fieldLabel(QStringLiteral("&Quota"), elevation_), elevation_);
    form->addRow(fieldLabel(QStringLiteral("&Fuso orario"), zone_), zone_);
    auto* momentLabel = fieldLabel(QStringLiteral("&Data e ora"), moment_);
    form->addRow(momentLabel, momentRow);
    form->addRow(fieldLabel(QStringLiteral("&Altezza minima"), minAltitude_), minAltitude_);
    form->addRow(altAz_);
    form->addRow(horizonRow);
    form->addRow(message_);
    form->addRow(figures_);
    chart_ = new NightChartView;
    chart_->setObjectName(QStringLiteral("grfNotte"));
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(chart_, 1);

    for (QDoubleSpinBox* box : {latitude_, longitude_, elevation_, minAltitude_})
        connect(box, &QDoubleSpinBox::valueChanged, this, &NightPage::write);
    connect(moment_, &QDateTimeEdit::dateTimeChanged, this, &NightPage::write);
    connect(altAz_, &QCheckBox::toggled, this, &NightPage::write);
    connect(zone_, &QComboBox::currentTextChanged, this, &NightPage::chooseZone);
    connect(horizonButton, &QPushButton::clicked, this, &NightPage::chooseHorizon);
    connect(&session_, &PlanningSession::answered, this, &NightPage::showAnswer);
    connect(&session_, &PlanningSession::timeZoneChanged, this, &NightPage::write);
    write();
}

void NightPage::write()
{
    const QDateTime wall = moment_->dateTime();
    const QDateTime moment = QDateTime(wall.date(), wall.time(), session_.timeZone()).toUTC();
    zoneName_->setText(zoneAbbreviation(session_.timeZone(), moment));
    const QDate day = moment.date();
    const QTime time = moment.time();
    velmora::sky::Observation site;
    site.site = velmora::sky::GeoSite {latitude_->value(), longitude_->value(), elevation_->value()};
    site.minAltitude = minAltitude_->value();
    site.altAzMount = altAz_->isChecked();
    site.horizon = horizon_;
    session_.update([&](velmora::planning::Request& r) {
        site.shortest = r.band.shortest;
        site.longest = r.band.longest;
        r.observation = site;
        r.date = velmora::sky::UtcMoment {day.year(), day.month(), day.day(), time.hour(), time.minute(), 0};
    });
}

void NightPage::chooseZone()
{
    const QTimeZone zone(zone_->currentText().toUtf8());
    if (zone.isValid())
        session_.setTimeZone(zone);
}

void NightPage::chooseHorizon()
{
    const QString path = QFileDialog::getOpenFileName(this, QStringLiteral("Orizzonte"), horizonPath_);
    if (path.isEmpty())
        return;
    try {
        horizon_ = velmora::formats::readHorizonFile(path.toStdString());
        horizonPath_ = path;
        horizonName_->setText(QFileInfo(path).fileName());
        message_->clear();
    } catch (const velmora::formats::InputError& error) {
        message_->setText(QStringLiteral("Il file dell'orizzonte non si legge: %1").arg(italianFileProblem(error)));
    }
    write();
}

void NightPage::readHorizon(const QString& path)
{
    horizonPath_ = path;
    try {
        horizon_ = velmora::formats::readHorizonFile(path.toStdString());
        horizonName_->setText(QFileInfo(path).fileName());
    } catch (const velmora::formats::InputError& error) {
        // Kept, so that a disk not yet mounted or a file put back is found
        // again next time; flat until then, and said.
        horizon_ = {};
        horizonName_->setText(QStringLiteral("%1; orizzonte piatto").arg(italianFileProblem(error)));
    }
}

void NightPage::showAnswer()
{
    const PlanningAnswer& answer = session_.answer();
    chart_->setChart(answer.chart, session_.timeZone());
    QStringList lines = siteFigures();
    lines << nightFigures();
    figures_->setText(lines.join(QLatin1Char('\n')));
    chart_->setAccessibleDescription(figures_->text());
}

// What the site sees of the object or body framed.
QStringList NightPage::siteFigures() const
{
    const auto& c = session_.answer().computation;
    const QTimeZone& zone = session_.timeZone();
    const velmora::sky::SiteView* view = nullptr;
    if (c && c->framedBody)
        view = c->sky->bodies[*c->framedBody].fromSite ? &*c->sky->bodies[*c->framedBody].fromSite : nullptr;
    else if (c && c->targetTonight)
        view = &c->targetTonight->view;
    if (!view)
        return c && c->target && !c->target->object->rightAscensionDeg
            ? QStringList {QStringLiteral("Il catalogo non dà la posizione dell'oggetto.")}
            : QStringList {};
    QStringList lines {QStringLiteral("Altezza ora: %1").arg(italianDegrees(view->altitude))};
    if (view->rise)
        lines << QStringLiteral("Sorge: %1").arg(clockText(*view->rise, zone, QStringLiteral("dd/MM HH:mm")));
    if (view->transit)
        lines << QStringLiteral("Transito: %1, a %2")
                     .arg(clockText(*view->transit, zone, QStringLiteral("dd/MM HH:mm")),
                         italianDegrees(view->transitAltitude.value_or(0)));
    if (view->set)
        lines << QStringLiteral("Tramonta: %1").arg(clockText(*view->set, zone, QStringLiteral("dd/MM HH:mm")));
    if (c->targetTonight) {
        const velmora::sky::TargetNight& hours = c->targetTonight->hours;
        lines << QStringLiteral("Ore utili stanotte: %1 (senza la Luna %2)")
                     .arg(italianHours(hours.usable.hours), italianHours(hours.ignoringMoon.hours));
        lines << QStringLiteral("Distanza dalla Luna: %1").arg(italianDegrees(c->targetTonight->moonSeparation));
    }
    if (view->dispersionPixels)
        lines << QStringLiteral("Dispersione atmosferica: %1 pixel").arg(italianNumber(*view->dispersionPixels, 3));
    if (view->rotationRate)
        lines << QStringLiteral("Rotazione di campo: %1″ al secondo").arg(italianNumber(*view->rotationRate, 3));
    if (view->longestExposure)
        lines << QStringLiteral("Posa più lunga prima che un angolo si sposti di un pixel: %1 s")
                     .arg(italianNumber(*view->longestExposure, 3));
    return lines;
}

// The night itself: where the Sun never sets or never goes down far enough, said.
QStringList NightPage::nightFigures() const
{
    const auto& chart = session_.answer().chart;
    if (!chart)
        return {};
    const velmora::sky::DarkEdges& sunset = chart->twilight.at(velmora::sky::Darkness::Sunset);
    const velmora::sky::DarkEdges& darkest = chart->twilight.at(velmora::sky::Darkness::Astronomical);
    if (!sunset.evening && !sunset.morning && sunset.neverDark)
        return {QStringLiteral("Il Sole non tramonta: è il giorno polare.")};
    if (darkest.neverDark)
        return {QStringLiteral("Il buio astronomico non arriva: il Sole resta sopra i −18°.")};
    return {};
}

void NightPage::remember(QSettings& settings) const
{
    settings.setValue(QStringLiteral("latitudine"), latitude_->value());
    settings.setValue(QStringLiteral("longitudine"), longitude_->value());
    settings.setValue(QStringLiteral("quota"), elevation_->value());
    settings.setValue(QStringLiteral("altezzaMinima"), minAltitude_->value());
    settings.setValue(QStringLiteral("altazimutale"), altAz_->isChecked());
    settings.setValue(QStringLiteral("orizzonte"), horizonPath_);
    settings.setValue(kZoneKey, zone_->currentText());
}

void NightPage::recall(Recalled& recalled)
{
    recalled.into(latitude_, QStringLiteral("latitudine"));
    recalled.into(longitude_, QStringLiteral("longitudine"));
    recalled.into(elevation_, QStringLiteral("quota"));
    recalled.into(minAltitude_, QStringLiteral("altezzaMinima"));
    altAz_->setChecked(recalled.truth(QStringLiteral("altazimutale"), false));
    const QString zone = recalled.text(kZoneKey);
    if (!zone.isEmpty() && QTimeZone(zone.toUtf8()).isValid())
        zone_->setCurrentText(zone);
    const QString horizon = recalled.text(QStringLiteral("orizzonte"));
    if (!horizon.isEmpty())
        readHorizon(horizon);
    write();
}
