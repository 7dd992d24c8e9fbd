// The planner's equipment: the built-in catalogue with the user's files
// (CSV, ocular.ini, OAL), read away from the window's thread, and the lists
// the rig is picked from.
#include "planner_texts.h"
#include "planner_window.h"
#include "planning/catalogue_merge.h"
#include "planning/refusal.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QtConcurrent/QtConcurrentRun>

namespace {

template <typename Item>
void fill(QComboBox* list, const std::vector<Item>& items, const QString& none, const QString& wanted = {})
{
    const QString chosen = wanted.isEmpty() ? list->currentText() : wanted;
    const QSignalBlocker quiet(list);
    list->clear();
    list->addItem(none);
    for (const Item& item : items)
        list->addItem(QString::fromStdString(item.name));
    list->setCurrentIndex(std::max(0, list->findText(chosen)));
}

} // namespace

void PlannerWindow::fillEquipmentLists()
{
    fill(telescope_, catalogue_.telescopes.items(), QStringLiteral("(a mano)"), wantedTelescope_);
    fill(camera_, catalogue_.cameras.items(), QStringLiteral("(a mano)"), wantedCamera_);
    if (!loadingEquipment_) { // the remembered names have had their chance
        if (figuresFromNames_) {
            chooseTelescope(telescope_->currentIndex());
            chooseCamera(camera_->currentIndex());
        }
        wantedTelescope_.clear();
        wantedCamera_.clear();
        figuresFromNames_ = false;
    }
    fill(lens_, catalogue_.lenses.items(), QStringLiteral("(nessuna)"));
    QStringList names;
    for (const QString& path : equipmentFiles_)
        names << QFileInfo(path).fileName();
    equipmentFilesName_->setText(names.isEmpty()
            ? QStringLiteral("Solo il catalogo interno.")
            : QStringLiteral("Anche da: %1").arg(names.join(QStringLiteral(", "))));
}

void PlannerWindow::chooseLens(int index)
{
    if (index <= 0)
        return;
    barlow_->setValue(catalogue_.lenses.items()[std::size_t(index - 1)].factor);
}

void PlannerWindow::addEquipmentFile()
{
    const QString path = QFileDialog::getOpenFileName(this, QStringLiteral("File di strumentazione"), QString(),
        QStringLiteral("Strumentazione (*.csv *.ini *.xml *.oal);;Tutti i file (*)"));
    if (path.isEmpty())
        return;
    equipmentFiles_.removeAll(path);
    equipmentFiles_ << path;
    loadEquipment();
}

void PlannerWindow::forgetEquipmentFiles()
{
    equipmentFiles_.clear();
    loadEquipment();
}

void PlannerWindow::loadEquipment()
{
    if (equipmentWatcher_.isRunning())
        equipmentWatcher_.waitForFinished();
    loadingEquipment_ = true;
    rigMessage_->setText(QStringLiteral("Lettura dei file di strumentazione…"));
    std::vector<std::string> paths;
    for (const QString& path : equipmentFiles_)
        paths.push_back(path.toStdString());
    equipmentWatcher_.setFuture(QtConcurrent::run([paths] {
        EquipmentAnswer answer;
        try {
            answer.catalogue = velmora::planning::mergeCatalogues(
                paths, [&answer](const std::string& warning) { answer.warnings << QString::fromStdString(warning); });
        } catch (const velmora::planning::Refusal& refusal) {
            answer.refusal = QStringLiteral("Un file di strumentazione non si legge: %1").arg(italianRefusal(refusal));
            answer.catalogue = velmora::planning::mergeCatalogues({}, [](const std::string&) {});
        }
        return answer;
    }));
}

void PlannerWindow::showEquipment()
{
    EquipmentAnswer answer = equipmentWatcher_.result();
    loadingEquipment_ = false;
    tonightWatcher_.waitForFinished(); // a search reads the catalogue being replaced
    catalogue_ = std::move(answer.catalogue);
    if (!answer.refusal.isEmpty())
        equipmentFiles_.clear(); // a file that cannot be read is not kept
    fillEquipmentLists();
    recompute();
    // What the files said, over what the rig lacks: it is news.
    const QString said = !answer.refusal.isEmpty() ? answer.refusal : answer.warnings.join(QLatin1Char('\n'));
    if (!said.isEmpty())
        rigMessage_->setText(said);
}
