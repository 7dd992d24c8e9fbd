// What the planner keeps between runs: the site, the horizon, the rig's
// figures, the equipment files and the object. The main window keeps
// nothing.
#include "planner_window.h"

#include "formats/horizon_file.h"
#include "formats/input_error.h"

#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QSettings>
#include <QSpinBox>

#include <initializer_list>

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
    for (QAbstractSpinBox* box : std::initializer_list<QAbstractSpinBox*> {
             aperture_, focalLength_, pixelSize_, width_, height_, barlow_, binning_})
        settings.setValue(QStringLiteral("rig/") + box->objectName(), box->property("value"));
}

void PlannerWindow::recall()
{
    QSettings settings;
    settings.beginGroup(QStringLiteral("Pianificazione"));
    const QSignalBlocker a(latitude_), b(longitude_), c(elevation_), d(minAltitude_), e(altAz_);
    for (QAbstractSpinBox* box : std::initializer_list<QAbstractSpinBox*> {
             aperture_, focalLength_, pixelSize_, width_, height_, barlow_, binning_}) {
        const QSignalBlocker quiet(box);
        const QVariant value = settings.value(QStringLiteral("rig/") + box->objectName());
        if (value.isValid())
            box->setProperty("value", value);
    }
    // Until a site is given, Rome's.
    latitude_->setValue(settings.value(QStringLiteral("latitudine"), 41.9028).toDouble());
    longitude_->setValue(settings.value(QStringLiteral("longitudine"), 12.4964).toDouble());
    elevation_->setValue(settings.value(QStringLiteral("quota"), 20).toDouble());
    minAltitude_->setValue(settings.value(QStringLiteral("altezzaMinima"), 30).toDouble());
    altAz_->setChecked(settings.value(QStringLiteral("altazimutale"), false).toBool());
    object_->setText(settings.value(QStringLiteral("oggetto")).toString());
    equipmentFiles_ = settings.value(QStringLiteral("fileStrumentazione")).toStringList();
    if (!equipmentFiles_.isEmpty())
        loadEquipment();
    horizonPath_ = settings.value(QStringLiteral("orizzonte")).toString();
    if (horizonPath_.isEmpty())
        return;
    try {
        horizon_ = velmora::formats::readHorizonFile(horizonPath_.toStdString());
        horizonName_->setText(QFileInfo(horizonPath_).fileName());
    } catch (const velmora::formats::InputError&) {
        horizonPath_.clear(); // a file since moved or spoilt: the horizon is flat again
    }
}
