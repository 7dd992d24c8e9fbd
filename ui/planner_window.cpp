#include "planner_window.h"

#include "framing_view.h"
#include "planner_fields.h"
#include "planner_texts.h"
#include "planning/refusal.h"
#include "planning/target_choice.h"
#include "planning/target_names.h"
#include "presets/catalogue.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QDateTimeEdit>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QStringList>
#include <QTabWidget>
#include <QVBoxLayout>

using velmora::planning::Computation;
using velmora::planning::Refusal;
using velmora::planning::Request;

namespace {

} // namespace

PlannerWindow::PlannerWindow(const StartingFigures& start, QWidget* parent) :
      QMainWindow(parent), catalogue_(velmora::builtInCatalogue()), deepSky_(velmora::planning::loadDeepSky())
{
    setObjectName(QStringLiteral("frmPianificazione"));
    setWindowTitle(QStringLiteral("Pianificazione"));
    auto* central = new QWidget;
    auto* columns = new QHBoxLayout(central);
    auto* left = new QVBoxLayout;
    left->addWidget(buildRig());
    left->addWidget(buildObject());
    left->addStretch();
    columns->addLayout(left);
    tabs_ = new QTabWidget;
    tabs_->setObjectName(QStringLiteral("tabSezioni"));
    tabs_->addTab(buildFraming(), QStringLiteral("&Inquadratura"));
    tabs_->addTab(buildNight(), QStringLiteral("N&otte"));
    tabs_->addTab(buildTonight(), QStringLiteral("&Stanotte"));
    tabs_->addTab(buildExposure(), QStringLiteral("&Esposizione"));
    columns->addWidget(tabs_, 1);
    setCentralWidget(central);

    recall();
    QDoubleSpinBox* const startBoxes[] = {aperture_, focalLength_, pixelSize_};
    for (std::size_t i = 0; i < 3; ++i) {
        if (start[i])
            startBoxes[i]->setValue(*start[i]);
    }
    if (start[3])
        width_->setValue(int(*start[3]));
    if (start[4])
        height_->setValue(int(*start[4]));

    for (QDoubleSpinBox* box : {aperture_, focalLength_, pixelSize_, barlow_})
        connect(box, &QDoubleSpinBox::valueChanged, this, &PlannerWindow::recompute);
    for (QSpinBox* box : {width_, height_, binning_})
        connect(box, &QSpinBox::valueChanged, this, &PlannerWindow::recompute);
    connect(object_, &QLineEdit::editingFinished, this, &PlannerWindow::recompute);
    connect(overlap_, &QDoubleSpinBox::valueChanged, this, &PlannerWindow::recompute);
    connect(angle_, &QDoubleSpinBox::valueChanged, this, &PlannerWindow::showFraming);
    connect(picture_, &FramingView::turnAsked, this, &PlannerWindow::turnBy);
    connect(bestAngle_, &QPushButton::clicked, this, &PlannerWindow::setBestAngle);
    resize(1000, 640);
    recompute();
}

PlannerWindow::~PlannerWindow()
{
    tonightWatcher_.waitForFinished(); // it reads the catalogues this window owns
    equipmentWatcher_.waitForFinished();
    remember();
}

QWidget* PlannerWindow::buildRig()
{
    auto* group = new QGroupBox(QStringLiteral("Strumentazione"));
    group->setObjectName(QStringLiteral("grpStrumentazione"));
    auto* form = new QFormLayout(group);
    telescope_ = new QComboBox;
    telescope_->setObjectName(QStringLiteral("cboTelescopio"));

    camera_ = new QComboBox;
    camera_->setObjectName(QStringLiteral("cboCamera"));
    lens_ = new QComboBox;
    lens_->setObjectName(QStringLiteral("cboLente"));
    lens_->setToolTip(QStringLiteral("Una barlow o un riduttore dei file di strumentazione"));
    auto* files = new QHBoxLayout;
    auto* addFile = new QPushButton(QStringLiteral("Aggiungi file..."));
    addFile->setObjectName(QStringLiteral("cmdAggiungiFile"));
    addFile->setToolTip(QStringLiteral("Strumentazione da un file CSV, ocular.ini o OAL XML"));
    auto* forget = new QPushButton(QStringLiteral("Togli i file"));
    forget->setObjectName(QStringLiteral("cmdTogliFile"));
    files->addWidget(addFile);
    files->addWidget(forget);
    equipmentFilesName_ = new QLabel;
    equipmentFilesName_->setObjectName(QStringLiteral("lblFileStrumentazione"));
    equipmentFilesName_->setWordWrap(true);
    fillEquipmentLists();
    connect(addFile, &QPushButton::clicked, this, &PlannerWindow::addEquipmentFile);
    connect(forget, &QPushButton::clicked, this, &PlannerWindow::forgetEquipmentFiles);
    connect(&equipmentWatcher_, &QFutureWatcher<EquipmentAnswer>::finished, this, &PlannerWindow::showEquipment);
    aperture_ =
        decimalField({"spnApertura", 0, 10000, 0, 1, QStringLiteral(" mm"), QStringLiteral("Diametro dell'obiettivo")});
    focalLength_ = decimalField(
        {"spnFocale", 0, 100000, 0, 1, QStringLiteral(" mm"), QStringLiteral("Focale del telescopio, senza barlow")});
    pixelSize_ = decimalField(
        {"spnPixel", 0, 100, 0, 2, QStringLiteral(" µm"), QStringLiteral("Lato del pixel, senza binning")});
    width_ = wholeField(
        {"spnLarghezza", 0, 100000, 0, 0, QStringLiteral(" pixel"), QStringLiteral("Pixel del sensore in larghezza")});
    height_ = wholeField(
        {"spnAltezza", 0, 100000, 0, 0, QStringLiteral(" pixel"), QStringLiteral("Pixel del sensore in altezza")});
    barlow_ = decimalField({"spnBarlow", 0.1, 10, 0, 2, QStringLiteral(" ×"),
        QStringLiteral("Fattore della barlow; sotto 1 un riduttore di focale")});
    barlow_->setValue(1);
    binning_ = wholeField({"spnBinning", 1, 8, 0, 0, {}, QStringLiteral("Pixel sommati per lato")});
    form->addRow(QStringLiteral("&Telescopio"), telescope_);
    form->addRow(QStringLiteral("&Camera"), camera_);
    form->addRow(QStringLiteral("&Apertura"), aperture_);
    form->addRow(QStringLiteral("&Focale"), focalLength_);
    form->addRow(QStringLiteral("&Pixel"), pixelSize_);
    form->addRow(QStringLiteral("&Larghezza"), width_);
    form->addRow(QStringLiteral("Alte&zza"), height_);
    form->addRow(QStringLiteral("Lente"), lens_);
    form->addRow(QStringLiteral("Barlo&w o riduttore"), barlow_);
    form->addRow(QStringLiteral("&Binning"), binning_);
    form->addRow(files);
    form->addRow(equipmentFilesName_);
    rigMessage_ = messageLine("lblAvvisoStrumentazione");
    form->addRow(rigMessage_);
    connect(telescope_, &QComboBox::currentIndexChanged, this, &PlannerWindow::chooseTelescope);
    connect(camera_, &QComboBox::currentIndexChanged, this, &PlannerWindow::chooseCamera);
    connect(lens_, &QComboBox::currentIndexChanged, this, &PlannerWindow::chooseLens);
    return group;
}

QWidget* PlannerWindow::buildObject()
{
    auto* group = new QGroupBox(QStringLiteral("Oggetto"));
    group->setObjectName(QStringLiteral("grpOggetto"));
    auto* form = new QFormLayout(group);
    object_ = new QLineEdit;
    object_->setObjectName(QStringLiteral("txtOggetto"));
    object_->setPlaceholderText(QStringLiteral("M31, NGC 224, IC 434, Andromeda Galaxy"));
    object_->setToolTip(QStringLiteral("Nome di catalogo, numero di Messier o nome comune"));
    QStringList names = italianBodyNames();
    for (const std::string& name : velmora::planning::targetNames(deepSky_))
        names << QString::fromStdString(name);
    auto* completer = new QCompleter(names, object_);
    completer->setCaseSensitivity(Qt::CaseInsensitive);
    completer->setFilterMode(Qt::MatchContains);
    object_->setCompleter(completer);
    connect(completer, qOverload<const QString&>(&QCompleter::activated), this, &PlannerWindow::recompute);
    objectFacts_ = figuresLine("lblOggetto");
    objectMessage_ = messageLine("lblAvvisoOggetto");
    form->addRow(QStringLiteral("&Nome"), object_);
    form->addRow(objectFacts_);
    form->addRow(objectMessage_);
    return group;
}

void PlannerWindow::chooseTelescope(int index)
{
    if (index <= 0)
        return;
    const velmora::optics::Telescope& telescope = catalogue_.telescopes.items()[std::size_t(index - 1)];
    const QSignalBlocker quiet(aperture_);
    aperture_->setValue(telescope.aperture);
    focalLength_->setValue(telescope.focalLength);
    recompute();
}

void PlannerWindow::chooseCamera(int index)
{
    if (index <= 0)
        return;
    const velmora::optics::Camera& camera = catalogue_.cameras.items()[std::size_t(index - 1)];
    const QSignalBlocker quietPixel(pixelSize_), quietWidth(width_), quietHeight(height_);
    pixelSize_->setValue(camera.pixelSize);
    width_->setValue(int(camera.width));
    height_->setValue(int(camera.height));
    recompute();
}

Request PlannerWindow::request() const
{
    Request request;
    const auto given = [](double value) { return value > 0 ? std::optional(value) : std::nullopt; };
    request.aperture = given(aperture_->value());
    request.focalLength = given(focalLength_->value());
    request.pixelSize = given(pixelSize_->value());
    request.width = given(width_->value());
    request.height = given(height_->value());
    request.barlow = barlow_->value();
    request.binning = binning_->value();
    request.overlap = overlap_->value() / 100;
    const QString name = object_->text().trimmed();
    if (const velmora::sky::BodyFacts* body = italianBody(name))
        request.frame = body;
    else if (!name.isEmpty())
        request.target = name.toStdString();
    const QDateTime moment = moment_->dateTime().toUTC();
    const QDate day = moment.date();
    const QTime time = moment.time();
    request.date = velmora::sky::UtcMoment {day.year(), day.month(), day.day(), time.hour(), time.minute(), 0};
    velmora::sky::Observation site;
    site.site = velmora::sky::GeoSite {latitude_->value(), longitude_->value(), elevation_->value()};
    site.minAltitude = minAltitude_->value();
    site.altAzMount = altAz_->isChecked();
    site.horizon = horizon_;
    request.exposure = exposureRequest();
    if (request.exposure)
        request.band = {bandShortest_->value(), bandLongest_->value()};
    site.shortest = request.band.shortest;
    site.longest = request.band.longest;
    request.observation = site;
    return request;
}

void PlannerWindow::recompute()
{
    rigMessage_->clear();
    objectMessage_->clear();
    computation_.reset();
    try {
        computation_ = velmora::planning::computeRig(request(), catalogue_, &deepSky_);
    } catch (const Refusal& refusal) {
        const bool aboutObject = refusal.subject() == velmora::planning::Subject::Target ||
            refusal.subject() == velmora::planning::Subject::Frame;
        (aboutObject ? objectMessage_ : rigMessage_)->setText(italianRefusal(refusal));
    }
    objectFacts_->clear();
    if (computation_ && computation_->framedBody) {
        const velmora::sky::BodyView& view = computation_->sky->bodies[*computation_->framedBody];
        QString facts =
            QStringLiteral("%1\na %2 km")
                .arg(italianBodyName(*view.facts), QLocale(QLocale::Italian).toString(view.distanceKm, 'f', 0));
        if (view.fromSite && view.fromSite->altitude < 0)
            facts += view.fromSite->rise ? QStringLiteral("\nOra è sotto l'orizzonte, sorge alle %1 UTC")
                                               .arg(utcText(*view.fromSite->rise, QStringLiteral("HH:mm")))
                                         : QStringLiteral("\nOra è sotto l'orizzonte e non sorge prima di domani");
        objectFacts_->setText(facts);
    }
    if (computation_ && computation_->target) {
        const velmora::sky::DeepSkyObject& o = *computation_->target->object;
        const velmora::sky::Outline& outline = computation_->target->shape.outline;
        QString facts =
            QStringLiteral("%1\n%2").arg(QString::fromStdString(o.displayName()), italianType(o.type->code));
        if (o.magnitude)
            facts += QStringLiteral(", magnitudine %1").arg(italianNumber(*o.magnitude, 3));
        facts += QStringLiteral("\n%1′ × %2′").arg(italianNumber(outline.majorAxis), italianNumber(outline.minorAxis));
        if (!o.rightAscension.empty())
            facts += QStringLiteral("\nAR %1, Dec %2")
                         .arg(QString::fromStdString(o.rightAscension), QString::fromStdString(o.declination));
        objectFacts_->setText(facts);
        setBestAngle();
    }
    showFraming();
    showNight();
    showExposure();
}
