// The night's page alone: the site and the moment it asks for, read on the
// site's clock, and the chart and figures it shows of the answer.
#include "fake_engine.h"
#include "page_fields.h"
#include "pages.h"
#include "planner/night_chart_view.h"
#include "planner/night_page.h"

#include <QComboBox>
#include <QDateTimeEdit>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QRegularExpression>

class NightPageTest : public QObject {
    Q_OBJECT

private slots:
    // A wall clock's time at the site is the moment asked for, in UTC, by
    // the rules the EU and New South Wales publish: nights either side of
    // Rome's autumn change, and Sydney's autumn in April.
    void theMomentIsReadOnTheSitesClock_data()
    {
        QTest::addColumn<QString>("zone");
        QTest::addColumn<QDateTime>("wall");
        QTest::addColumn<int>("utcDay");
        QTest::addColumn<int>("utcHour");
        QTest::addColumn<QString>("abbreviation");
        const auto at = [](int month, int day, int hour) {
            return QDateTime(QDate(2026, month, day), QTime(hour, 0), Qt::UTC);
        };
        QTest::newRow("Rome, before the change") << "Europe/Rome" << at(10, 24, 21) << 24 << 19 << "CEST";
        QTest::newRow("Rome, after the change") << "Europe/Rome" << at(10, 25, 21) << 25 << 20 << "CET";
        QTest::newRow("Rome, in winter") << "Europe/Rome" << at(12, 20, 21) << 20 << 20 << "CET";
        QTest::newRow("Sydney, daylight saving") << "Australia/Sydney" << at(4, 4, 21) << 4 << 10 << "AEDT";
        QTest::newRow("Sydney, standard") << "Australia/Sydney" << at(4, 5, 21) << 5 << 11 << "AEST";
    }
    void theMomentIsReadOnTheSitesClock()
    {
        QFETCH(QString, zone);
        QFETCH(QDateTime, wall);
        QFETCH(int, utcDay);
        QFETCH(int, utcHour);
        QFETCH(QString, abbreviation);
        FakeSession fake;
        NightPage page(fake.session);
        child<QComboBox>(&page, "cboFusoOrario")->setCurrentText(zone);
        QCOMPARE(QString::fromUtf8(fake.session.timeZone().id()), zone);
        child<QDateTimeEdit>(&page, "dteData")->setDateTime(wall);
        const velmora::planning::Request& asked = fake.request();
        QCOMPARE(asked.date->day, utcDay);
        QCOMPARE(asked.date->hour, utcHour);
        QCOMPARE(child<QLabel>(&page, "lblFuso")->text(), abbreviation);
    }

    // The site's figures make the observation asked for.
    void theSiteIsWhatIsAsked()
    {
        FakeSession fake;
        NightPage page(fake.session);
        child<QDoubleSpinBox>(&page, "spnLatitudine")->setValue(-33.87);
        child<QDoubleSpinBox>(&page, "spnLongitudine")->setValue(151.21);
        child<QDoubleSpinBox>(&page, "spnQuota")->setValue(58);
        child<QDoubleSpinBox>(&page, "spnAltezzaMinima")->setValue(25);
        const velmora::sky::Observation& site = *fake.request().observation;
        QCOMPARE(site.site.latitude, -33.87);
        QCOMPARE(site.site.longitude, 151.21);
        QCOMPARE(site.site.elevation, 58.0);
        QCOMPARE(site.minAltitude, 25.0);
    }

    // Jupiter's night from Rome: the chart and the passage on Rome's clock.
    void aPlanetsNightIsChartedOnTheSitesClock()
    {
        FakeSession fake;
        fake.session.setTimeZone(QTimeZone("Europe/Rome"));
        NightPage page(fake.session);
        const PlanningAnswer jupiter = knownAnswer([](velmora::planning::Request& r) {
            c8At(r, {41.9, 12.5, 20}, {2026, 12, 9, 20, 0, 0});
            r.frame = velmora::sky::findBody("jupiter");
        });
        QVERIFY(jupiter.chart);
        fake.answer(jupiter);
        QVERIFY(child<NightChartView>(&page, "grfNotte")->chart());
        const QString figures = child<QLabel>(&page, "lblNotte")->text();
        QVERIFY2(figures.contains(QStringLiteral("Altezza ora: -")), qPrintable(figures));
        QVERIFY2(
            figures.contains(QRegularExpression(QStringLiteral("Sorge: 09/12 2\\d:\\d\\d CET"))), qPrintable(figures));
        QVERIFY2(figures.contains(QRegularExpression(QStringLiteral("Transito: 10/12 0\\d:\\d\\d CET, a 6\\d,\\d°"))),
            qPrintable(figures));
    }

    // Where the Sun never sets, the page says so.
    void thePolarDayIsSaid()
    {
        FakeSession fake;
        NightPage page(fake.session);
        fake.answer(knownAnswer([](velmora::planning::Request& r) {
            c8At(r, {78.2, 15.6, 0}, {2026, 6, 21, 23, 0, 0});
            r.frame = velmora::sky::findBody("moon");
        }));
        const QString figures = child<QLabel>(&page, "lblNotte")->text();
        QVERIFY2(figures.contains(QStringLiteral("Il Sole non tramonta")), qPrintable(figures));
    }
};

std::unique_ptr<QObject> makeNightPageTest()
{
    return std::make_unique<NightPageTest>();
}

#include "night_page_test.moc"
