// The planner's picture: the object on the sensor turned to the camera's
// angle, its figures, and the picture saved as SVG or PNG.
#include "files/file_replacement.h"
#include "framing_view.h"
#include "planner_fields.h"
#include "planner_texts.h"
#include "planner_window.h"
#include "planning/framing_scene.h"
#include "planning/framing_svg.h"

#include <QBuffer>
#include <QDoubleSpinBox>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

#include <cmath>

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
    framingFigures_ = figuresLine("lblInquadratura",
        QStringLiteral(
            "Margine: quanto l'oggetto potrebbe crescere e restare nel campo; entra con margine da 1 in su e ne "
            "riempie 1/margine"));
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
