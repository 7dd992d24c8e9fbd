// Tonight's page alone: the filters it searches with, the list it shows of
// what the search found, and a row chosen.
#include "fake_engine.h"
#include "page_fields.h"
#include "pages.h"
#include "planner/local_time.h"
#include "planner/tonight_model.h"
#include "planner/tonight_page.h"
#include "planning/target_choice.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableView>

class TonightPageTest : public QObject {
    Q_OBJECT

private slots:
    // The filters go into the search's request; the list comes in the
    // layer's order, transits on the site's clock; a row chosen names its
    // object.
    void theSearchAsksWithTheFiltersAndListsWhatCame()
    {
        FakeSession fake;
        fake.session.setTimeZone(QTimeZone("Europe/Rome"));
        fake.session.update([](velmora::planning::Request& r) { r.target = "M31"; });
        const velmora::sky::DeepSkyCatalogue deepSky = velmora::planning::loadDeepSky();
        velmora::planning::Request asked;
        c8At(asked, {45.46, 9.19, 0}, {2026, 12, 20, 20, 0, 0}, "StarlightXpressSXVH9");
        asked.suggestion.minFill = 0.5;
        fake.engine->suggestions = velmora::planning::suggestTargets(asked, velmora::builtInCatalogue(), deepSky);
        QVERIFY(fake.engine->suggestions.size() > 3);

        TonightPage page(fake.session);
        child<QComboBox>(&page, "cboTipo")->setCurrentIndex(1); // galaxies
        child<QDoubleSpinBox>(&page, "spnMagnitudine")->setValue(12);
        child<QDoubleSpinBox>(&page, "spnRiempimento")->setValue(0.5);
        child<QDoubleSpinBox>(&page, "spnOre")->setValue(2);
        child<QPushButton>(&page, "cmdCerca")->click();
        QTRY_VERIFY(!fake.session.isSearching());
        QTRY_VERIFY(child<QPushButton>(&page, "cmdCerca")->isEnabled());
        const velmora::planning::Request& searched = fake.engine->searched.back();
        QVERIFY(searched.suggest);
        QVERIFY(!searched.target);
        QCOMPARE(searched.suggestion.families, velmora::sky::findDeepSkyFamily("galaxy"));
        QCOMPARE(*searched.suggestion.maxMagnitude, 12.0);
        QCOMPARE(searched.suggestion.minFill, 0.5);
        QCOMPARE(searched.minHours, 2.0);

        QAbstractItemModel* rows = child<QTableView>(&page, "tblStanotte")->model();
        QCOMPARE(rows->rowCount(), int(fake.engine->suggestions.size()));
        const velmora::planning::Suggestion& first = fake.engine->suggestions.front();
        QCOMPARE(rows->index(0, TonightModel::Name).data().toString(),
            QString::fromStdString(first.framing.object->displayName()));
        QCOMPARE(rows->index(0, TonightModel::Transit).data().toString(),
            momentOf(first.tonight->transit).toTimeZone(QTimeZone("Europe/Rome")).toString(QStringLiteral("HH:mm")) +
                QStringLiteral(" CET"));
        QVERIFY(child<QLabel>(&page, "lblStanotte")->text().startsWith(QString::number(rows->rowCount())));

        QSignalSpy chosen(&page, &TonightPage::objectChosen);
        QSignalSpy named(&fake.session, &PlanningSession::objectChosen);
        emit child<QTableView>(&page, "tblStanotte")->activated(rows->index(0, 0));
        QCOMPARE(chosen.count(), 1);
        QCOMPARE(named.takeFirst().at(0).toString(), QString::fromStdString(first.framing.object->name));
    }

    // Nothing found, or a search refused, is said.
    void nothingFoundIsSaid()
    {
        FakeSession fake;
        TonightPage page(fake.session);
        child<QPushButton>(&page, "cmdCerca")->click();
        QTRY_VERIFY(!fake.session.isSearching());
        QTRY_COMPARE(child<QLabel>(&page, "lblStanotte")->text(), QStringLiteral("Nessun oggetto con questi filtri."));
        QVERIFY2(!fake.engine->searched.back().suggestion.maxMagnitude, "the top of the field means any brightness");
    }
};

std::unique_ptr<QObject> makeTonightPageTest()
{
    return std::make_unique<TonightPageTest>();
}

#include "tonight_page_test.moc"
