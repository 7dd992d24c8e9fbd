// The rig's page alone: what it writes into the request, and what it shows
// of the answer.
#include "fake_engine.h"
#include "page_fields.h"
#include "pages.h"
#include "planner/equipment_page.h"
#include "planner/recalled.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFile>
#include <QLabel>
#include <QSettings>
#include <QSpinBox>
#include <QTemporaryDir>

using velmora::planning::Refusal;
using velmora::planning::Subject;

class EquipmentPageTest : public QObject {
    Q_OBJECT

private slots:
    void init() { QSettings().clear(); }

    // A telescope and a camera chosen fill the rig; a field left at "—" is
    // no figure; the barlow and binning go as they stand.
    void theRigChosenIsWhatIsAsked()
    {
        FakeSession fake;
        velmora::optics::EquipmentCatalogue equipment = velmora::builtInCatalogue();
        equipment.lenses.put({"Riduttore 0,63", 0.63});
        fake.engine->setEquipment(std::move(equipment));
        EquipmentPage page(fake.session);
        QVERIFY(!fake.request().aperture);
        child<QComboBox>(&page, "cboTelescopio")->setCurrentText(QStringLiteral("CelestronOTC8"));
        child<QComboBox>(&page, "cboCamera")->setCurrentText(QStringLiteral("StarlightXpressSXVH9"));
        child<QSpinBox>(&page, "spnBinning")->setValue(2);
        const velmora::planning::Request& asked = fake.request();
        QCOMPARE(*asked.aperture, 203.0);
        QCOMPARE(*asked.focalLength, 2032.0);
        QCOMPARE(*asked.pixelSize, 6.45);
        QCOMPARE(*asked.width, 1392.0);
        QCOMPARE(*asked.height, 1040.0);
        QCOMPARE(*asked.binning, 2);
        QCOMPARE(asked.barlow, 1.0);
        child<QDoubleSpinBox>(&page, "spnApertura")->setValue(0);
        QVERIFY(!fake.request().aperture);
        // A lens chosen gives its factor; "(nessuna)" again keeps the factor shown.
        auto* lenses = child<QComboBox>(&page, "cboLente");
        lenses->setCurrentText(QStringLiteral("Riduttore 0,63"));
        QCOMPARE(fake.request().barlow, 0.63);
        lenses->setCurrentIndex(0);
        QCOMPARE(fake.request().barlow, 0.63);
        QCOMPARE(child<QDoubleSpinBox>(&page, "spnApertura")->text(), QStringLiteral("—"));
    }

    // The starting figures of the main window go into the rig.
    void theMainWindowsFiguresStartTheRig()
    {
        FakeSession fake;
        EquipmentPage page(fake.session);
        page.start({100, 500, 3.76, std::nullopt, 4176});
        const velmora::planning::Request& asked = fake.request();
        QCOMPARE(*asked.aperture, 100.0);
        QCOMPARE(*asked.pixelSize, 3.76);
        QVERIFY(!asked.width);
        QCOMPARE(*asked.height, 4176.0);
    }

    // A refusal about the rig is said here, in Italian; one about the object is not.
    void refusalsAboutTheRigAreSaidHere()
    {
        FakeSession fake;
        EquipmentPage page(fake.session);
        auto* message = child<QLabel>(&page, "lblAvvisoStrumentazione");
        fake.answer({std::nullopt, Refusal::missing(Subject::FocalLength), std::nullopt});
        QCOMPARE(message->text(), QStringLiteral("Manca la focale."));
        fake.answer({std::nullopt,
            Refusal(Subject::Binning, velmora::planning::Reason::NoWholeBinnedPixel, {8, 7, 480}), std::nullopt});
        QCOMPARE(
            message->text(), QStringLiteral("Il binning 8 non lascia un pixel intero su un sensore di 7 × 480 pixel."));
        fake.answer({std::nullopt, Refusal::aboutName(Subject::Target, velmora::planning::Reason::NotFound, "M999"),
            std::nullopt});
        QVERIFY(message->text().isEmpty());
    }

    // What merging the user's files notes is said in Italian, the reader's
    // own words as they are.
    void replacedEntriesAreSaidInItalian()
    {
        QTemporaryDir folder;
        const QString header = QStringLiteral("kind,name,aperture_mm,focal_length_mm,pixel_um,width_px,height_px\n");
        const auto write = [&](const char* name, const QString& rows) {
            QFile file(folder.filePath(QString::fromUtf8(name)));
            file.open(QIODevice::WriteOnly);
            file.write((header + rows).toUtf8());
            return file.fileName();
        };
        const QString first = write("prima.csv", QStringLiteral("telescope,CelestronOTC8,200,2000,,,\n"));
        const QString second = write("seconda.csv", QStringLiteral("telescope,Celestron OTC 8,201,2000,,,\n"));
        {
            QSettings settings;
            settings.setValue(QStringLiteral("fileStrumentazione"), QStringList {first, second});
        }
        FakeSession fake;
        EquipmentPage page(fake.session);
        QSettings settings;
        Recalled recalled(settings);
        page.recall(recalled);
        QTRY_VERIFY(!fake.session.isLoadingEquipment());
        const QString said = child<QLabel>(&page, "lblAvvisoStrumentazione")->text();
        QVERIFY2(said.contains(QStringLiteral("Il telescopio «CelestronOTC8» di prima.csv sostituisce quello del "
                                              "catalogo interno.")),
            qPrintable(said));
        QVERIFY2(said.contains(QStringLiteral("Il telescopio «Celestron OTC 8» di seconda.csv sostituisce quello di "
                                              "prima.csv.")),
            qPrintable(said));
    }

    // Remembered figures come back; one out of its field's bounds is set aside.
    void theRigIsRemembered()
    {
        {
            FakeSession fake;
            EquipmentPage page(fake.session);
            child<QDoubleSpinBox>(&page, "spnFocale")->setValue(1200);
            child<QSpinBox>(&page, "spnLarghezza")->setValue(3000);
            child<QSpinBox>(&page, "spnAltezza")->setValue(2000);
            QSettings settings;
            page.remember(settings);
            settings.setValue(QStringLiteral("rig/spnBinning"), 9);
        }
        FakeSession fake;
        EquipmentPage page(fake.session);
        QSettings settings;
        Recalled recalled(settings);
        page.recall(recalled);
        QCOMPARE(*fake.request().focalLength, 1200.0);
        QCOMPARE(*fake.request().width, 3000.0);
        QCOMPARE(*fake.request().height, 2000.0);
        QCOMPARE(child<QSpinBox>(&page, "spnBinning")->value(), 1);
        QVERIFY(recalled.said().contains(QStringLiteral("rig/spnBinning")));
    }
};

std::unique_ptr<QObject> makeEquipmentPageTest()
{
    return std::make_unique<EquipmentPageTest>();
}

#include "equipment_page_test.moc"
