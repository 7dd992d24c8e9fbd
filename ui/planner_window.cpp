#include "planner_window.h"

#include "files/file_replacement.h"
#include "framing_view.h"
#include "planner_fields.h"
#include "planner_texts.h"
#include "planning/framing_scene.h"
#include "planning/framing_svg.h"
#include "planning/refusal.h"
#include "planning/site_request.h"
#include "planning/target_choice.h"
#include "planning/target_names.h"
#include "presets/catalogue.h"

#include <QBuffer>
#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QDateTimeEdit>
#include <QDoubleSpinBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
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
    objectFacts_ = new QLabel;
    objectFacts_->setObjectName(QStringLiteral("lblOggetto"));
    objectFacts_->setWordWrap(true);
    objectFacts_->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    objectMessage_ = messageLine("lblAvvisoOggetto");
    form->addRow(QStringLiteral("&Nome"), object_);
    form->addRow(objectFacts_);
    form->addRow(objectMessage_);
    return group;
}

QWidget* PlannerWindow::buildFraming()
{
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    picture_ = new FramingView;
    picture_->setObjectName(QStringLiteral("picInquadratura"));
    layout->addWidget(picture_, 1);
    auto* controls = new QHBoxLayout;
    angle_ = decimalField({"spnAngolo", 0, 360, 0, 1, QStringLiteral("°"),
        QStringLiteral("Angolo della camera: l'altezza del sensore da nord verso est")});
    angle_->setWrapping(true);
    angle_->setRange(0, 359.9);
    auto* angleLabel = new QLabel(QStringLiteral("An&golo"));
    angleLabel->setBuddy(angle_);
    bestAngle_ = new QPushButton(QStringLiteral("Angolo miglio&re"));
    bestAngle_->setObjectName(QStringLiteral("cmdAngoloMigliore"));
    bestAngle_->setToolTip(QStringLiteral("L'angolo a cui l'oggetto riempie di più il campo"));
    overlap_ = decimalField({"spnSovrapposizione", 0, 49, 0, 0, QStringLiteral(" %"),
        QStringLiteral("Sovrapposizione tra i riquadri del mosaico")});
    overlap_->setValue(10);
    auto* overlapLabel = new QLabel(QStringLiteral("So&vrapposizione"));
    overlapLabel->setBuddy(overlap_);
    controls->addWidget(angleLabel);
    controls->addWidget(angle_);
    controls->addWidget(bestAngle_);
    controls->addSpacing(12);
    controls->addWidget(overlapLabel);
    controls->addWidget(overlap_);
    controls->addStretch();
    layout->addLayout(controls);
    framingFigures_ = new QLabel;
    framingFigures_->setObjectName(QStringLiteral("lblInquadratura"));
    framingFigures_->setToolTip(QStringLiteral(
        "Margine: quanto l'oggetto potrebbe crescere e restare nel campo; entra con margine da 1 in su e ne "
        "riempie 1/margine"));
    framingFigures_->setWordWrap(true);
    framingFigures_->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    layout->addWidget(framingFigures_);
    auto* exports = new QHBoxLayout;
    auto* svg = new QPushButton(QStringLiteral("Salva &disegno SVG..."));
    svg->setObjectName(QStringLiteral("cmdSalvaSvg"));
    svg->setToolTip(QStringLiteral("Lo stesso disegno che scrive velmora-calc --frame, all'angolo scelto"));
    auto* png = new QPushButton(QStringLiteral("Salva im&magine PNG..."));
    png->setObjectName(QStringLiteral("cmdSalvaPng"));
    png->setToolTip(QStringLiteral("Il disegno come si vede qui, 1200 pixel di lato"));
    exports->addWidget(svg);
    exports->addWidget(png);
    exports->addStretch();
    layout->addLayout(exports);
    framingMessage_ = messageLine("lblAvvisoInquadratura");
    layout->addWidget(framingMessage_);
    connect(svg, &QPushButton::clicked, this, &PlannerWindow::exportSvg);
    connect(png, &QPushButton::clicked, this, &PlannerWindow::exportPng);
    return page;
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
    velmora::planning::SiteRequest site;
    site.site = velmora::sky::GeoSite {latitude_->value(), longitude_->value(), elevation_->value()};
    site.minAltitude = minAltitude_->value();
    site.altAzMount = altAz_->isChecked();
    site.horizon = horizon_;
    request.exposure = exposureRequest();
    if (request.exposure)
        request.band = {bandShortest_->value(), bandLongest_->value()};
    request.observation = velmora::planning::observationOf(site, request.band);
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
        objectFacts_->setText(
            QStringLiteral("%1\na %2 km")
                .arg(italianBodyName(*view.facts), QLocale(QLocale::Italian).toString(view.distanceKm, 'f', 0)));
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

double PlannerWindow::cameraAngle() const
{
    return angle_->value();
}

// A body's disk on the sensor, lit as it is at the moment.
void PlannerWindow::showBody()
{
    const velmora::sky::BodyView& view = computation_->sky->bodies[*computation_->framedBody];
    picture_->setScene(velmora::planning::bodySceneAt(view, computation_->sky->moment, angle_->value()));
    QString figures = QStringLiteral("Disco di %1″, %2 pixel; illuminato al %3%")
                          .arg(italianNumber(view.apparentDiameterArcsec, 4), italianNumber(view.diskPixels, 4),
                              italianNumber(view.illuminatedFraction * 100, 3));
    figures += view.fitsSensor
        ? QStringLiteral(". Entra nel sensore")
        : QStringLiteral(". Serve un mosaico di %1 × %2 riquadri").arg(view.mosaic.columns).arg(view.mosaic.rows);
    framingFigures_->setText(figures);
    picture_->setAccessibleDescription(figures);
}

void PlannerWindow::showFraming()
{
    if (computation_ && computation_->framedBody)
        return showBody();
    if (!computation_ || !computation_->target) {
        picture_->setScene(std::nullopt);
        framingFigures_->clear();
        return;
    }
    const velmora::sky::TargetFraming& framing = *computation_->target;
    const velmora::planning::TurnedFraming turned = velmora::planning::turnTarget(framing, angle_->value());
    picture_->setScene(turned.scene);
    QString figures =
        QStringLiteral("Campo %1′ × %2′").arg(italianNumber(framing.field.width), italianNumber(framing.field.height));
    if (framing.mosaic)
        figures += QStringLiteral(", mosaico di %1 × %2 riquadri")
                       .arg(framing.mosaic->grid.columns)
                       .arg(framing.mosaic->grid.rows);
    figures += turned.margin >= 1
        ? QStringLiteral(". Entra: riempimento %1, margine %2")
              .arg(italianNumber(1 / turned.margin, 3), italianNumber(turned.margin, 3))
        : QStringLiteral(". A quest'angolo non entra (margine %1)").arg(italianNumber(turned.margin, 3));
    framingFigures_->setText(figures);
    picture_->setAccessibleDescription(figures);
}

void PlannerWindow::turnBy(double degrees)
{
    const double turned = angle_->value() + degrees;
    angle_->setValue(turned - 360 * std::floor(turned / 360));
}

void PlannerWindow::setBestAngle()
{
    if (computation_ && computation_->target)
        angle_->setValue(velmora::planning::targetCameraAngle(*computation_->target));
}

bool PlannerWindow::saveSvg(const QString& path, QString& why) const
{
    const auto& c = computation_;
    if (!c || (!c->target && !c->framedBody)) {
        why = QStringLiteral("Non c'è nessun oggetto inquadrato.");
        return false;
    }
    const std::string svg = c->framedBody
        ? velmora::planning::framingSvg(c->sky->bodies[*c->framedBody], c->sky->moment)
        : velmora::planning::targetFramingSvg(
              *c->target, c->targetTonight ? &*c->targetTonight : nullptr, angle_->value());
    try {
        velmora::files::replaceFile(path.toStdString(), svg);
        return true;
    } catch (const velmora::files::WriteError& error) {
        why = QStringLiteral("Il file non si può scrivere: %1").arg(QString::fromStdString(error.what()));
        return false;
    }
}

bool PlannerWindow::savePng(const QString& path, QString& why) const
{
    if (!picture_->scene()) {
        why = QStringLiteral("Non c'è nessun oggetto inquadrato.");
        return false;
    }
    constexpr int kSide = 1200;
    QImage image(kSide, kSide, QImage::Format_RGB32);
    QPainter painter(&image);
    picture_->render(painter, QRectF(0, 0, kSide, kSide));
    painter.end();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    try {
        velmora::files::replaceFile(path.toStdString(), std::string_view(bytes.constData(), std::size_t(bytes.size())));
        return true;
    } catch (const velmora::files::WriteError& error) {
        why = QStringLiteral("Il file non si può scrivere: %1").arg(QString::fromStdString(error.what()));
        return false;
    }
}

void PlannerWindow::exportSvg()
{
    const QString path = QFileDialog::getSaveFileName(this, QStringLiteral("Salva disegno SVG"),
        object_->text() + QStringLiteral(".svg"), QStringLiteral("SVG (*.svg)"));
    QString why;
    if (!path.isEmpty() && !saveSvg(path, why))
        framingMessage_->setText(why);
    else
        framingMessage_->clear();
}

void PlannerWindow::exportPng()
{
    const QString path = QFileDialog::getSaveFileName(this, QStringLiteral("Salva immagine PNG"),
        object_->text() + QStringLiteral(".png"), QStringLiteral("PNG (*.png)"));
    QString why;
    if (!path.isEmpty() && !savePng(path, why))
        framingMessage_->setText(why);
    else
        framingMessage_->clear();
}
