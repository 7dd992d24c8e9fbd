// The exposure's page alone: the figures it asks with, and what it says of
// the answer.
#include "fake_engine.h"
#include "page_fields.h"
#include "pages.h"
#include "planner/exposure_page.h"

#include <QDoubleSpinBox>
#include <QGroupBox>
#include <QLabel>

using velmora::planning::Refusal;
using velmora::planning::Subject;

class ExposurePageTest : public QObject {
    Q_OBJECT

private slots:
    // Unchecked, no exposure is asked; checked, its figures and band are;
    // a band from longer to shorter asks none and is said.
    void theExposureIsAskedOnlyWhenWanted()
    {
        FakeSession fake;
        ExposurePage page(fake.session);
        QVERIFY(!fake.request().exposure);
        QVERIFY(child<QLabel>(&page, "lblEsposizione")->text().contains(QStringLiteral("Spuntare")));
        child<QGroupBox>(&page, "grpEsposizione")->setChecked(true);
        child<QDoubleSpinBox>(&page, "spnSqm")->setValue(20.5);
        child<QDoubleSpinBox>(&page, "spnRumore")->setValue(1.46);
        child<QDoubleSpinBox>(&page, "spnBandaDa")->setValue(500);
        const velmora::planning::Request& asked = fake.request();
        QVERIFY(asked.exposure);
        QCOMPARE(*asked.exposure->sqm, 20.5);
        QCOMPARE(*asked.exposure->readNoise, 1.46);
        QCOMPARE(*asked.exposure->quantumEfficiency, 0.6);
        QCOMPARE(asked.exposure->snr, 10.0);
        QCOMPARE(asked.band.shortest, 500.0);
        child<QDoubleSpinBox>(&page, "spnRumore")->setValue(0); // "dal file", and no file
        QVERIFY(!fake.request().exposure->readNoise);
        child<QDoubleSpinBox>(&page, "spnBandaDa")->setValue(800);
        QVERIFY(!fake.request().exposure);
        QCOMPARE(child<QLabel>(&page, "lblAvvisoEsposizione")->text(),
            QStringLiteral("La banda va dalla lunghezza d'onda più corta alla più lunga."));
    }

    // The exposure's refusals are said here, in Italian.
    void aGainOutsideTheFileIsSaid()
    {
        FakeSession fake;
        ExposurePage page(fake.session);
        fake.answer({std::nullopt, Refusal::outOfBounds(Subject::Gain, 301, {0, 300}), std::nullopt});
        QCOMPARE(child<QLabel>(&page, "lblAvvisoEsposizione")->text(),
            QStringLiteral(
                "Il guadagno 301 è fuori dalla tabella: il file della camera dà il rumore ai guadagni da 0 a "
                "300."));
        fake.answer(
            {std::nullopt, Refusal::missing(Subject::Gain, velmora::optics::PlausibleRange {0, 300}), std::nullopt});
        QCOMPARE(child<QLabel>(&page, "lblAvvisoEsposizione")->text(),
            QStringLiteral("Manca il guadagno (il file della camera dà il rumore ai guadagni da 0 a 300)."));
    }

    // The worked rig's sub, as the planning layer gives it, in Italian.
    void theSubIsShown()
    {
        FakeSession fake;
        ExposurePage page(fake.session);
        child<QGroupBox>(&page, "grpEsposizione")->setChecked(true);
        fake.answer(knownAnswer([](velmora::planning::Request& r) {
            r.aperture = 100, r.focalLength = 500, r.pixelSize = 3.76, r.width = 6248, r.height = 4176;
            r.exposure.emplace();
            r.exposure->sqm = 21, r.exposure->readNoise = 1.46, r.exposure->quantumEfficiency = 0.8;
        }));
        const QString figures = child<QLabel>(&page, "lblEsposizione")->text();
        for (const char* line :
            {"Cielo: 1,62 e⁻ al secondo per pixel", "Rumore di lettura: 1,46 e⁻", "Posa singola: 12,8 s"})
            QVERIFY2(figures.contains(QString::fromUtf8(line)), qPrintable(figures));
    }
};

std::unique_ptr<QObject> makeExposurePageTest()
{
    return std::make_unique<ExposurePageTest>();
}

#include "exposure_page_test.moc"
