// What the planner keeps between runs: the site, the horizon, the rig's
// figures, the equipment files and the object. The main window keeps
// nothing.
#include "planner_texts.h"
#include "planner_window.h"

#include "formats/horizon_file.h"
#include "formats/input_error.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QSettings>
#include <QSpinBox>
#include <QStatusBar>

#include <cmath>

namespace {

// What was remembered, read strictly: a value that does not read as what
// its field holds, or lies outside the field's bounds, is set aside and the
// field keeps its default.
class Recalled {
public:
    explicit Recalled(QSettings& settings) : settings_(settings) { }

    double number(const QString& key, double lowest, double highest, double otherwise)
    {
        const QVariant value = settings_.value(key);
        if (!value.isValid())
            return otherwise;
        bool read = false;
        const double number = value.toString().toDouble(&read);
        if (read && std::isfinite(number) && number >= lowest && number <= highest)
            return number;
        setAside_ << key;
        return otherwise;
    }
    bool truth(const QString& key, bool otherwise)
    {
        const QVariant value = settings_.value(key);
        if (!value.isValid())
            return otherwise;
        const QString text = value.toString();
        if (text == QStringLiteral("true") || text == QStringLiteral("false"))
            return text == QStringLiteral("true");
        setAside_ << key;
        return otherwise;
    }
    void into(QDoubleSpinBox* box, const QString& key, double otherwise)
    {
        box->setValue(number(key, box->minimum(), box->maximum(), otherwise));
    }
    // A box keeps its value as made when nothing usable was remembered.
    void into(QAbstractSpinBox* box, const QString& key)
    {
        const double lowest = box->property("minimum").toDouble();
        const double highest = box->property("maximum").toDouble();
        const double made = box->property("value").toDouble();
        const double value = number(key, lowest, highest, made);
        if (qobject_cast<QSpinBox*>(box) && value != std::round(value))
            setAside_ << key;
        else
            box->setProperty("value", value);
    }
    bool anySetAside() const { return !setAside_.isEmpty(); }
    // "Impostazioni ricordate messe da parte: …", once; empty when all read.
    QString said() const
    {
        return setAside_.isEmpty()
            ? QString()
            : QStringLiteral("Impostazioni ricordate messe da parte, illeggibili o fuori dai limiti: %1")
                  .arg(setAside_.join(QStringLiteral(", ")));
    }

private:
    QSettings& settings_;
    QStringList setAside_;
};

const QString kTelescopeKey = QStringLiteral("telescopio");
const QString kCameraKey = QStringLiteral("camera");

} // namespace

std::array<QAbstractSpinBox*, 7> PlannerWindow::rigBoxes() const
{
    return {aperture_, focalLength_, pixelSize_, width_, height_, barlow_, binning_};
}

void PlannerWindow::remember() const
{
    QSettings settings;
    settings.beginGroup(QStringLiteral("Pianificazione"));
    settings.setValue(QStringLiteral("latitudine"), latitude_->value());
    settings.setValue(QStringLiteral("longitudine"), longitude_->value());
    settings.setValue(QStringLiteral("quota"), elevation_->value());
    settings.setValue(QStringLiteral("altezzaMinima"), minAltitude_->value());
    settings.setValue(QStringLiteral("altazimutale"), altAz_->isChecked());
    settings.setValue(QStringLiteral("orizzonte"), horizonPath_);
    settings.setValue(QStringLiteral("oggetto"), object_->text());
    settings.setValue(QStringLiteral("fileStrumentazione"), equipmentFiles_);
    settings.setValue(kTelescopeKey, telescope_->currentIndex() > 0 ? telescope_->currentText() : QString());
    settings.setValue(kCameraKey, camera_->currentIndex() > 0 ? camera_->currentText() : QString());
    for (QAbstractSpinBox* box : rigBoxes())
        settings.setValue(QStringLiteral("rig/") + box->objectName(), box->property("value"));
}

void PlannerWindow::recall()
{
    QSettings settings;
    settings.beginGroup(QStringLiteral("Pianificazione"));
    Recalled recalled(settings);
    const QSignalBlocker a(latitude_), b(longitude_), c(elevation_), d(minAltitude_), e(altAz_);
    for (QAbstractSpinBox* box : rigBoxes()) {
        const QSignalBlocker quiet(box);
        recalled.into(box, QStringLiteral("rig/") + box->objectName());
    }
    figuresFromNames_ = recalled.anySetAside();
    // Until a site is given, Rome's.
    recalled.into(latitude_, QStringLiteral("latitudine"), 41.9028);
    recalled.into(longitude_, QStringLiteral("longitudine"), 12.4964);
    recalled.into(elevation_, QStringLiteral("quota"), 20);
    recalled.into(minAltitude_, QStringLiteral("altezzaMinima"), 30);
    altAz_->setChecked(recalled.truth(QStringLiteral("altazimutale"), false));
    object_->setText(settings.value(QStringLiteral("oggetto")).toString());
    // The rig's names are chosen once the lists hold the user's files too;
    // a name no longer there leaves "(a mano)" with the figures, and a name
    // found gives back the figures set aside.
    wantedTelescope_ = settings.value(kTelescopeKey).toString();
    wantedCamera_ = settings.value(kCameraKey).toString();
    equipmentFiles_ = settings.value(QStringLiteral("fileStrumentazione")).toStringList();
    if (!equipmentFiles_.isEmpty())
        loadEquipment();
    else
        fillEquipmentLists();
    const QString setAside = recalled.said();
    if (!setAside.isEmpty())
        statusBar()->showMessage(setAside);
    horizonPath_ = settings.value(QStringLiteral("orizzonte")).toString();
    if (!horizonPath_.isEmpty())
        readHorizon();
}

void PlannerWindow::readHorizon()
{
    try {
        horizon_ = velmora::formats::readHorizonFile(horizonPath_.toStdString());
        horizonName_->setText(QFileInfo(horizonPath_).fileName());
    } catch (const velmora::formats::InputError& error) {
        // Kept, so that a disk not yet mounted or a file put back is found
        // again next time; flat until then, and said.
        horizon_ = {};
        horizonName_->setText(QStringLiteral("%1; orizzonte piatto").arg(italianFileProblem(error)));
    }
}
