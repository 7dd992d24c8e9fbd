#include "framing_page.h"

#include "fields.h"
#include "files/file_replacement.h"
#include "framing_view.h"
#include "italian_texts.h"
#include "planning/framing_scene.h"
#include "planning/framing_svg.h"
#include "planning_session.h"
#include "recalled.h"

#include <QBuffer>
#include <QDoubleSpinBox>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

#include <cmath>

using velmora::planning::FigureId;
using velmora::planning::Subject;

namespace {

const QString kNothingFramed = QStringLiteral("Non c'è nessun oggetto inquadrato.");

bool writeFile(const QString& path, std::string_view bytes, QString& why)
{
    try {
        velmora::files::replaceFile(path.toStdString(), bytes);
        return true;
    } catch (const velmora::files::WriteError& error) {
        why = QStringLiteral("Il file non si può scrivere: %1").arg(QString::fromStdString(error.what()));
        return false;
    }
}

} // namespace

FramingPage::FramingPage(PlanningSession& session, QWidget* parent) : PlannerPage(session, parent)
{
    picture_ = new FramingView;
    picture_->setObjectName(QStringLiteral("picInquadratura"));
    angle_ = new QDoubleSpinBox;
    angle_->setObjectName(QStringLiteral("spnAngolo"));
    angle_->setToolTip(QStringLiteral("Angolo della camera: l'altezza del sensore da nord verso est"));
    angle_->setLocale(QLocale(QLocale::Italian));
    angle_->setDecimals(1);
    angle_->setRange(0, 359.9);
    angle_->setWrapping(true);
    angle_->setSuffix(QStringLiteral("°"));
    auto* angleLabel = fieldLabel(QStringLiteral("&Angolo"), angle_);
    bestAngle_ = new QPushButton(QStringLiteral("Angolo &migliore"));
    bestAngle_->setObjectName(QStringLiteral("cmdAngoloMigliore"));
    bestAngle_->setToolTip(QStringLiteral("L'angolo a cui l'oggetto riempie di più il campo"));
    overlap_ = figureField(FigureId::Overlap, QStringLiteral("Sovrapposizione tra i riquadri del mosaico"));
    auto* overlapLabel = fieldLabel(QStringLiteral("So&vrapposizione"), overlap_);
    auto* controls = new QHBoxLayout;
    controls->addWidget(angleLabel);
    controls->addWidget(angle_);
    controls->addWidget(bestAngle_);
    controls->addSpacing(12);
    controls->addWidget(overlapLabel);
    controls->addWidget(overlap_);
    controls->addStretch();
    figures_ = figuresLine("lblInquadratura",
        QStringLiteral(
            "Margine: quanto l'oggetto potrebbe crescere e restare nel campo; entra con margine da 1 in su e "
            "ne riempie 1/margine"));
    auto* svg = new QPushButton(QStringLiteral("Salva &disegno SVG..."));
    svg->setObjectName(QStringLiteral("cmdSalvaSvg"));
    svg->setToolTip(QStringLiteral("Lo stesso disegno che scrive velmora-calc --frame, all'angolo scelto"));
    auto* png = new QPushButton(QStringLiteral("Salva immagine &PNG..."));
    png->setObjectName(QStringLiteral("cmdSalvaPng"));
    png->setToolTip(QStringLiteral("Il disegno come si vede qui, 1200 pixel di lato"));
    auto* exports = new QHBoxLayout;
    exports->addWidget(svg);
    exports->addWidget(png);
    exports->addStretch();
    message_ = messageLine("lblAvvisoInquadratura");
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(picture_, 1);
    layout->addLayout(controls);
    layout->addWidget(figures_);
    layout->addLayout(exports);
    layout->addWidget(message_);

    connect(overlap_, &QDoubleSpinBox::valueChanged, this, &FramingPage::write);
    connect(angle_, &QDoubleSpinBox::valueChanged, this, &FramingPage::showPicture);
    connect(picture_, &FramingView::turnAsked, this, &FramingPage::turnBy);
    connect(bestAngle_, &QPushButton::clicked, this, &FramingPage::setBestAngle);
    connect(svg, &QPushButton::clicked, this,
        [this] { exportAs(QStringLiteral("Salva disegno SVG"), QStringLiteral("svg"), true); });
    connect(png, &QPushButton::clicked, this,
        [this] { exportAs(QStringLiteral("Salva immagine PNG"), QStringLiteral("png"), false); });
    connect(&session_, &PlanningSession::answered, this, &FramingPage::showAnswer);
    write();
}

void FramingPage::write()
{
    const double share = overlap_->value() / 100;
    session_.update([share](velmora::planning::Request& r) { r.overlap = share; });
}

void FramingPage::showAnswer()
{
    const auto& answer = session_.answer();
    message_->setText(
        answer.refusal && answer.refusal->subject() == Subject::Overlap ? italianRefusal(*answer.refusal) : QString());
    const auto& c = answer.computation;
    const velmora::sky::DeepSkyObject* target = c && c->target ? c->target->object : nullptr;
    if (target && target != angledFor_) {
        angledFor_ = target;
        const QSignalBlocker quiet(angle_);
        angle_->setValue(velmora::planning::targetCameraAngle(*c->target));
    }
    showPicture();
}

void FramingPage::showBody()
{
    const velmora::planning::Computation& c = *session_.answer().computation;
    const velmora::sky::BodyView& view = c.sky->bodies[*c.framedBody];
    picture_->setScene(velmora::planning::bodySceneAt(view, c.sky->moment, angle_->value()));
    QString figures = QStringLiteral("Disco di %1″, %2 pixel; illuminato al %3%")
                          .arg(italianNumber(view.apparentDiameterArcsec, 4), italianNumber(view.diskPixels, 4),
                              italianNumber(view.illuminatedFraction * 100, 3));
    figures += view.fitsSensor
        ? QStringLiteral(". Entra nel sensore")
        : QStringLiteral(". Serve un mosaico di %1 × %2 riquadri").arg(view.mosaic.columns).arg(view.mosaic.rows);
    figures_->setText(figures);
    picture_->setAccessibleDescription(figures);
}

void FramingPage::showPicture()
{
    const auto& c = session_.answer().computation;
    if (c && c->framedBody)
        return showBody();
    if (!c || !c->target) {
        picture_->setScene(std::nullopt);
        figures_->clear();
        return;
    }
    const velmora::sky::TargetFraming& framing = *c->target;
    const velmora::planning::TurnedFraming turned = velmora::planning::turnTarget(framing, angle_->value());
    picture_->setScene(turned.scene);
    QString figures = QStringLiteral("Campo %1 × %2")
                          .arg(italianArcminutes(framing.field.width), italianArcminutes(framing.field.height));
    if (framing.mosaic)
        figures += QStringLiteral(", mosaico di %1 × %2 riquadri")
                       .arg(framing.mosaic->grid.columns)
                       .arg(framing.mosaic->grid.rows);
    figures += turned.margin >= 1
        ? QStringLiteral(". Entra: riempimento %1, margine %2")
              .arg(italianNumber(1 / turned.margin, 3), italianNumber(turned.margin, 3))
        : QStringLiteral(". A quest'angolo non entra (margine %1)").arg(italianNumber(turned.margin, 3));
    figures_->setText(figures);
    picture_->setAccessibleDescription(figures);
}

void FramingPage::turnBy(double degrees)
{
    const double turned = angle_->value() + degrees;
    angle_->setValue(turned - 360 * std::floor(turned / 360));
}

void FramingPage::setBestAngle()
{
    const auto& c = session_.answer().computation;
    if (c && c->target)
        angle_->setValue(velmora::planning::targetCameraAngle(*c->target));
}

bool FramingPage::saveSvg(const QString& path, QString& why) const
{
    session_.settle();
    const auto& c = session_.answer().computation;
    if (!c || (!c->target && !c->framedBody)) {
        why = kNothingFramed;
        return false;
    }
    const std::string svg = c->framedBody
        ? velmora::planning::framingSvg(c->sky->bodies[*c->framedBody], c->sky->moment, angle_->value())
        : velmora::planning::targetFramingSvg(
              *c->target, c->targetTonight ? &*c->targetTonight : nullptr, angle_->value());
    return writeFile(path, svg, why);
}

bool FramingPage::savePng(const QString& path, QString& why) const
{
    session_.settle();
    if (!picture_->scene()) {
        why = kNothingFramed;
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
    return writeFile(path, std::string_view(bytes.constData(), std::size_t(bytes.size())), why);
}

void FramingPage::exportAs(const QString& title, const QString& suffix, bool svg)
{
    const QString path = QFileDialog::getSaveFileName(this, title, QStringLiteral("inquadratura.") + suffix,
        suffix.toUpper() + QStringLiteral(" (*.") + suffix + QLatin1Char(')'));
    QString why;
    if (!path.isEmpty() && !(svg ? saveSvg(path, why) : savePng(path, why)))
        message_->setText(why);
    else
        message_->clear();
}

void FramingPage::remember(QSettings& settings) const
{
    settings.setValue(QStringLiteral("sovrapposizione"), overlap_->value());
}

void FramingPage::recall(Recalled& recalled)
{
    recalled.into(overlap_, QStringLiteral("sovrapposizione"));
}
