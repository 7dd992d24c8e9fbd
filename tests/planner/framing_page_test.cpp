// The picture's page alone: the overlap it asks for, the picture it draws
// of the answer, turned as the camera is.
#include "fake_engine.h"
#include "page_fields.h"
#include "pages.h"
#include "planner/framing_page.h"
#include "planner/framing_view.h"
#include "planning/framing_scene.h"

#include <QDoubleSpinBox>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>

using velmora::planning::Refusal;
using velmora::planning::Subject;

namespace {

PlanningAnswer framed(const char* target)
{
    return knownAnswer([target](velmora::planning::Request& r) {
        r.telescope = "CelestronOTC8";
        r.camera = "StarlightXpressSXVH9";
        r.target = target;
    });
}

} // namespace

class FramingPageTest : public QObject {
    Q_OBJECT

private slots:
    void theOverlapIsAskedAsAShare()
    {
        FakeSession fake;
        FramingPage page(fake.session);
        QCOMPARE(fake.request().overlap, 0.10);
        child<QDoubleSpinBox>(&page, "spnSovrapposizione")->setValue(25);
        QCOMPARE(fake.request().overlap, 0.25);
        fake.answer({std::nullopt, Refusal::outOfBounds(Subject::Overlap, 50, {0, 50, false, true}), std::nullopt});
        QCOMPARE(child<QLabel>(&page, "lblAvvisoInquadratura")->text(),
            QStringLiteral("La sovrapposizione non può essere 50: va da 0 a meno di 50."));
    }

    // A new target starts at its best angle; the angle turns the frames, and
    // the figures are the planning layer's margin at that angle.
    void theTargetIsDrawnAtTheCamerasAngle()
    {
        FakeSession fake;
        FramingPage page(fake.session);
        auto* picture = child<FramingView>(&page, "picInquadratura");
        QVERIFY(!picture->scene());
        const PlanningAnswer answer = framed("NGC4565");
        fake.answer(answer);
        auto* angle = child<QDoubleSpinBox>(&page, "spnAngolo");
        const double best = velmora::planning::targetCameraAngle(*answer.computation->target);
        QCOMPARE(angle->value(), std::round(best * 10) / 10);
        angle->setValue(std::fmod(best + 90, 360));
        QCOMPARE(picture->scene()->framesTurn, -angle->value());
        const double margin = velmora::planning::turnTarget(*answer.computation->target, angle->value()).margin;
        const QString figures = child<QLabel>(&page, "lblInquadratura")->text();
        QVERIFY2(figures.contains(QStringLiteral("Campo 15,19′ × 11,35′")), qPrintable(figures));
        QVERIFY2(figures.contains(
                     QStringLiteral("non entra (margine %1)").arg(QLocale(QLocale::Italian).toString(margin, 'g', 3))),
            qPrintable(figures));
        // The same target answered again keeps the angle the user chose.
        fake.answer(answer);
        QCOMPARE(angle->value(), std::fmod(std::round(best * 10) / 10 + 90, 360));
        child<QPushButton>(&page, "cmdAngoloMigliore")->click();
        QCOMPARE(angle->value(), std::round(best * 10) / 10);
        // The picture's keys turn the camera round through north.
        angle->setValue(0);
        QTest::keyClick(picture, Qt::Key_Right);
        QCOMPARE(angle->value(), 359.0);
        QTest::keyClick(picture, Qt::Key_PageUp);
        QCOMPARE(angle->value(), 9.0);
    }

    // A target's SVG has its frames at the angle shown, its PNG is the
    // picture as drawn; a folder is no file to write.
    void aTargetsPictureIsSavedAtTheAngleShown()
    {
        FakeSession fake;
        FramingPage page(fake.session);
        fake.answer(framed("M51"));
        child<QDoubleSpinBox>(&page, "spnAngolo")->setValue(35);
        QTemporaryDir folder;
        QString why;
        const QString svg = folder.filePath(QStringLiteral("m51.svg"));
        QVERIFY2(page.saveSvg(svg, why), qPrintable(why));
        QFile svgFile(svg);
        QVERIFY(svgFile.open(QIODevice::ReadOnly));
        QVERIFY(svgFile.readAll().contains("<g transform=\"rotate(-35.00)\">"));
        const QString png = folder.filePath(QStringLiteral("m51.png"));
        QVERIFY2(page.savePng(png, why), qPrintable(why));
        QCOMPARE(QImage(png).size(), QSize(1200, 1200));
        QVERIFY(!page.saveSvg(folder.path(), why));
        QVERIFY2(why.startsWith(QStringLiteral("Il file non si può scrivere")), qPrintable(why));
    }

    // A body's SVG holds its lit part and the camera's angle; nothing framed
    // is no file.
    void aBodysPictureIsSavedLitAndTurned()
    {
        FakeSession fake;
        FramingPage page(fake.session);
        QTemporaryDir folder;
        QString why;
        QVERIFY(!page.saveSvg(folder.filePath(QStringLiteral("none.svg")), why));
        QCOMPARE(why, QStringLiteral("Non c'è nessun oggetto inquadrato."));
        fake.answer(knownAnswer([](velmora::planning::Request& r) {
            r.telescope = "CelestronOTC8";
            r.camera = "PhilipsVesta";
            r.date = velmora::sky::UtcMoment {2026, 12, 20, 18, 0, 0};
            r.frame = velmora::sky::findBody("moon");
        }));
        child<QDoubleSpinBox>(&page, "spnAngolo")->setValue(30);
        QVERIFY(child<FramingView>(&page, "picInquadratura")->scene()->phase);
        const QString path = folder.filePath(QStringLiteral("luna.svg"));
        QVERIFY2(page.saveSvg(path, why), qPrintable(why));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray svg = file.readAll();
        QVERIFY(svg.contains("<g transform=\"rotate(-30.00)\">"));
        QVERIFY(svg.contains("camera angle 30 deg"));
        QVERIFY(svg.contains("% lit"));
        QVERIFY(svg.contains("<path d=\"M 0 "));
    }
};

std::unique_ptr<QObject> makeFramingPageTest()
{
    return std::make_unique<FramingPageTest>();
}

#include "framing_page_test.moc"
