#include "equipment_page.h"

#include "fields.h"
#include "italian_texts.h"
#include "planning_session.h"
#include "recalled.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

using velmora::planning::FigureId;
using velmora::planning::Subject;

namespace {

const QString kTelescopeKey = QStringLiteral("telescopio");
const QString kCameraKey = QStringLiteral("camera");
const QString kFilesKey = QStringLiteral("fileStrumentazione");
const QString kByHand = QStringLiteral("(a mano)");

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

// The refusals about the rig, which this page shows.
bool aboutTheRig(Subject subject)
{
    return subject != Subject::Target && subject != Subject::Frame && subject != Subject::Overlap &&
        subject != Subject::Obstruction && subject != Subject::Gain && subject != Subject::Suggest &&
        subject != Subject::RankBy;
}

} // namespace

EquipmentPage::EquipmentPage(PlanningSession& session, QWidget* parent) : PlannerPage(session, parent)
{
    auto* form = new QFormLayout;
    telescope_ = new QComboBox;
    telescope_->setObjectName(QStringLiteral("cboTelescopio"));
    camera_ = new QComboBox;
    camera_->setObjectName(QStringLiteral("cboCamera"));
    lens_ = new QComboBox;
    lens_->setObjectName(QStringLiteral("cboLente"));
    lens_->setToolTip(QStringLiteral("Una barlow o un riduttore dei file di strumentazione"));
    aperture_ = figureField(FigureId::Aperture, QStringLiteral("Diametro dell'obiettivo"));
    focalLength_ = figureField(FigureId::FocalLength, QStringLiteral("Focale del telescopio, senza barlow"));
    pixelSize_ = figureField(FigureId::PixelSize, QStringLiteral("Lato del pixel, senza binning"));
    width_ = wholeFigureField(FigureId::Width, QStringLiteral("Pixel del sensore in larghezza"));
    height_ = wholeFigureField(FigureId::Height, QStringLiteral("Pixel del sensore in altezza"));
    barlow_ = figureField(FigureId::Barlow, QStringLiteral("Fattore della barlow; sotto 1 un riduttore di focale"));
    binning_ = wholeFigureField(FigureId::Binning, QStringLiteral("Pixel sommati per lato"));
    auto* addFile = new QPushButton(QStringLiteral("Aggi&ungi file..."));
    addFile->setObjectName(QStringLiteral("cmdAggiungiFile"));
    addFile->setToolTip(QStringLiteral("Strumentazione da un file CSV, ocular.ini o OAL XML"));
    auto* forget = new QPushButton(QStringLiteral("Di&mentica i file"));
    forget->setObjectName(QStringLiteral("cmdTogliFile"));
    auto* files = new QHBoxLayout;
    files->addWidget(addFile);
    files->addWidget(forget);
    filesName_ = new QLabel;
    filesName_->setObjectName(QStringLiteral("lblFileStrumentazione"));
    filesName_->setWordWrap(true);
    message_ = messageLine("lblAvvisoStrumentazione");
    form->addRow(fieldLabel(QStringLiteral("&Telescopio"), telescope_), telescope_);
    form->addRow(fieldLabel(QStringLiteral("&Camera"), camera_), camera_);
    form->addRow(fieldLabel(QStringLiteral("&Apertura"), aperture_), aperture_);
    form->addRow(fieldLabel(QStringLiteral("&Focale"), focalLength_), focalLength_);
    form->addRow(fieldLabel(QStringLiteral("&Pixel"), pixelSize_), pixelSize_);
    form->addRow(fieldLabel(QStringLiteral("&Larghezza"), width_), width_);
    form->addRow(fieldLabel(QStringLiteral("Alte&zza"), height_), height_);
    form->addRow(fieldLabel(QStringLiteral("Barlow o ri&duttore"), lens_), lens_);
    form->addRow(fieldLabel(QStringLiteral("Fatto&re"), barlow_), barlow_);
    form->addRow(fieldLabel(QStringLiteral("&Binning"), binning_), binning_);
    form->addRow(files);
    form->addRow(filesName_);
    form->addRow(message_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addStretch();
    fillLists();

    for (QDoubleSpinBox* box : {aperture_, focalLength_, pixelSize_, barlow_})
        connect(box, &QDoubleSpinBox::valueChanged, this, &EquipmentPage::write);
    for (QSpinBox* box : {width_, height_, binning_})
        connect(box, &QSpinBox::valueChanged, this, &EquipmentPage::write);
    connect(telescope_, &QComboBox::currentIndexChanged, this, &EquipmentPage::chooseTelescope);
    connect(camera_, &QComboBox::currentIndexChanged, this, &EquipmentPage::chooseCamera);
    connect(lens_, &QComboBox::currentIndexChanged, this, &EquipmentPage::chooseLens);
    connect(addFile, &QPushButton::clicked, this, &EquipmentPage::addFile);
    connect(forget, &QPushButton::clicked, this, &EquipmentPage::forgetFiles);
    connect(&session_, &PlanningSession::answered, this, &EquipmentPage::showAnswer);
    connect(&session_, &PlanningSession::equipmentLoaded, this, &EquipmentPage::showLoaded);
    write();
}

void EquipmentPage::start(const StartingFigures& figures)
{
    QAbstractSpinBox* const boxes[] = {aperture_, focalLength_, pixelSize_, width_, height_};
    for (std::size_t i = 0; i < figures.size(); ++i) {
        if (figures[i])
            boxes[i]->setProperty("value", *figures[i]);
    }
}

std::array<QAbstractSpinBox*, 7> EquipmentPage::rigBoxes() const
{
    return {aperture_, focalLength_, pixelSize_, width_, height_, barlow_, binning_};
}

void EquipmentPage::write()
{
    session_.update([this](velmora::planning::Request& r) {
        r.aperture = givenFigure(aperture_);
        r.focalLength = givenFigure(focalLength_);
        r.pixelSize = givenFigure(pixelSize_);
        r.width = givenFigure(width_);
        r.height = givenFigure(height_);
        r.barlow = barlow_->value();
        r.binning = binning_->value();
    });
}

void EquipmentPage::showAnswer()
{
    // What the files said, over what the rig lacks, once: it is news.
    if (!filesNews_.isEmpty()) {
        message_->setText(filesNews_);
        filesNews_.clear();
        return;
    }
    const auto& refusal = session_.answer().refusal;
    message_->setText(refusal && aboutTheRig(refusal->subject()) ? italianRefusal(*refusal) : QString());
}

void EquipmentPage::fillLists()
{
    const velmora::optics::EquipmentCatalogue& catalogue = session_.equipment();
    fill(telescope_, catalogue.telescopes.items(), kByHand, wantedTelescope_);
    fill(camera_, catalogue.cameras.items(), kByHand, wantedCamera_);
    if (!session_.isLoadingEquipment()) { // the remembered names have had their chance
        if (figuresFromNames_) {
            chooseTelescope(telescope_->currentIndex());
            chooseCamera(camera_->currentIndex());
        }
        wantedTelescope_.clear();
        wantedCamera_.clear();
        figuresFromNames_ = false;
    }
    fill(lens_, catalogue.lenses.items(), QStringLiteral("(nessuna)"));
    QStringList names;
    for (const QString& path : files_)
        names << QFileInfo(path).fileName();
    filesName_->setText(names.isEmpty() ? QStringLiteral("Solo il catalogo interno.")
                                        : QStringLiteral("Anche da: %1").arg(names.join(QStringLiteral(", "))));
}

void EquipmentPage::chooseTelescope(int index)
{
    if (index <= 0)
        return;
    const velmora::optics::Telescope& telescope = session_.equipment().telescopes.items()[std::size_t(index - 1)];
    aperture_->setValue(telescope.aperture);
    focalLength_->setValue(telescope.focalLength);
}

void EquipmentPage::chooseCamera(int index)
{
    if (index <= 0)
        return;
    const velmora::optics::Camera& camera = session_.equipment().cameras.items()[std::size_t(index - 1)];
    pixelSize_->setValue(camera.pixelSize);
    width_->setValue(int(camera.width));
    height_->setValue(int(camera.height));
}

void EquipmentPage::chooseLens(int index)
{
    if (index > 0)
        barlow_->setValue(session_.equipment().lenses.items()[std::size_t(index - 1)].factor);
}

void EquipmentPage::addFile()
{
    const QString path = QFileDialog::getOpenFileName(this, QStringLiteral("File di strumentazione"), QString(),
        QStringLiteral("Strumentazione (*.csv *.ini *.xml *.oal);;Tutti i file (*)"));
    if (path.isEmpty())
        return;
    files_.removeAll(path);
    files_ << path;
    load();
}

void EquipmentPage::forgetFiles()
{
    files_.clear();
    load();
}

void EquipmentPage::load()
{
    message_->setText(QStringLiteral("Lettura dei file di strumentazione…"));
    session_.loadEquipment(files_);
}

void EquipmentPage::showLoaded()
{
    const auto& refusal = session_.equipmentRefusal();
    if (refusal)
        files_.clear(); // a file that cannot be read is not kept
    fillLists();
    filesNews_ = refusal ? QStringLiteral("Un file di strumentazione non si legge: %1").arg(italianRefusal(*refusal))
                         : session_.equipmentWarnings().join(QLatin1Char('\n'));
    message_->setText(filesNews_);
}

void EquipmentPage::remember(QSettings& settings) const
{
    settings.setValue(kFilesKey, files_);
    settings.setValue(kTelescopeKey, telescope_->currentIndex() > 0 ? telescope_->currentText() : QString());
    settings.setValue(kCameraKey, camera_->currentIndex() > 0 ? camera_->currentText() : QString());
    for (QAbstractSpinBox* box : rigBoxes())
        settings.setValue(QStringLiteral("rig/") + box->objectName(), box->property("value"));
}

void EquipmentPage::recall(Recalled& recalled)
{
    for (QAbstractSpinBox* box : rigBoxes())
        recalled.into(box, QStringLiteral("rig/") + box->objectName());
    figuresFromNames_ = recalled.anySetAside();
    // The rig's names are chosen once the lists hold the user's files too;
    // a name no longer there leaves "(a mano)" with the figures, and a name
    // found gives back the figures set aside.
    wantedTelescope_ = recalled.text(kTelescopeKey);
    wantedCamera_ = recalled.text(kCameraKey);
    files_ = recalled.settings().value(kFilesKey).toStringList();
    if (!files_.isEmpty())
        load();
    else
        fillLists();
}
