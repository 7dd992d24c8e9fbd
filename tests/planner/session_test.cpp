// The session alone: a burst of changes answered once, the clock of the
// site read across its changes.
#include "fake_engine.h"
#include "pages.h"
#include "planner/local_time.h"
#include "sky/ephemeris.h"

#include <QSignalSpy>
#include <QTest>

class SessionTest : public QObject {
    Q_OBJECT

private slots:
    // Ten changes in one turn of the event loop ask the planning layer once,
    // with all ten in the request.
    void aBurstOfChangesIsAnsweredOnce()
    {
        FakeSession fake;
        QSignalSpy answered(&fake.session, &PlanningSession::answered);
        for (int i = 1; i <= 10; ++i)
            fake.session.update([i](velmora::planning::Request& r) { r.aperture = 10.0 * i; });
        QCOMPARE(fake.engine->asked.size(), std::size_t(0));
        QTRY_COMPARE(answered.count(), 1);
        QCOMPARE(fake.engine->asked.size(), std::size_t(1));
        QCOMPARE(*fake.engine->asked.back().aperture, 100.0);
        QCOMPARE(fake.session.answersGiven(), 1);
        fake.session.settle(); // nothing pending: nothing asked
        QCOMPARE(fake.engine->asked.size(), std::size_t(1));
    }

    // A zone set again, or one that is no zone, changes nothing.
    void onlyAnotherZoneIsNews()
    {
        FakeSession fake;
        QSignalSpy changed(&fake.session, &PlanningSession::timeZoneChanged);
        fake.session.setTimeZone(QTimeZone("Europe/Rome"));
        fake.session.setTimeZone(QTimeZone("Europe/Rome"));
        fake.session.setTimeZone(QTimeZone("Europe/Nowhere"));
        QCOMPARE(changed.count(), 1);
        QCOMPARE(fake.session.timeZone().id(), QByteArray("Europe/Rome"));
    }

    // The chart's hours are the clock's: the hour shown twice when Rome's
    // clocks go back is ticked twice, the one skipped in spring not at all,
    // and a zone half an hour off UTC is ticked on its own whole hours.
    void theChartIsTickedOnTheClocksWholeHours_data()
    {
        QTest::addColumn<QByteArray>("zone");
        QTest::addColumn<double>("start");
        QTest::addColumn<QStringList>("labels");
        using velmora::sky::julianDay;
        QTest::newRow("Rome, autumn") << QByteArray("Europe/Rome") << julianDay(2026, 10, 24, 22, 40, 0)
                                      << QStringList {"01:00 CEST", "02:00", "02:00", "03:00", "04:00"};
        QTest::newRow("Rome, spring") << QByteArray("Europe/Rome") << julianDay(2026, 3, 28, 22, 40, 0)
                                      << QStringList {"00:00 CET", "01:00", "03:00", "04:00", "05:00"};
        QTest::newRow("St John's") << QByteArray("America/St_Johns") << julianDay(2026, 12, 9, 22, 40, 0)
                                   << QStringList {"20:00 NST", "21:00", "22:00", "23:00"};
    }
    void theChartIsTickedOnTheClocksWholeHours()
    {
        QFETCH(QByteArray, zone);
        QFETCH(double, start);
        QFETCH(QStringList, labels);
        QStringList ticked;
        for (const ClockTick& tick : wholeHours(start, start + 4.5 / 24, QTimeZone(zone), 1)) {
            ticked << tick.label;
            const double minutes = (tick.julianDay - start) * 1440;
            QVERIFY(minutes >= 0 && minutes <= 4.5 * 60);
        }
        QCOMPARE(ticked, labels);
    }

    // The clock of Rome and of Sydney a minute either side of their 2026
    // changes, as the EU and New South Wales publish them.
    void momentsAreReadOnTheSitesClock_data()
    {
        QTest::addColumn<QByteArray>("zone");
        QTest::addColumn<double>("julianDay");
        QTest::addColumn<QString>("shown");
        using velmora::sky::julianDay;
        QTest::newRow("Rome, spring, before")
            << QByteArray("Europe/Rome") << julianDay(2026, 3, 29, 0, 59, 0) << QStringLiteral("29/03 01:59 CET");
        QTest::newRow("Rome, spring, after")
            << QByteArray("Europe/Rome") << julianDay(2026, 3, 29, 1, 0, 0) << QStringLiteral("29/03 03:00 CEST");
        QTest::newRow("Rome, autumn, before")
            << QByteArray("Europe/Rome") << julianDay(2026, 10, 25, 0, 59, 0) << QStringLiteral("25/10 02:59 CEST");
        QTest::newRow("Rome, autumn, after")
            << QByteArray("Europe/Rome") << julianDay(2026, 10, 25, 1, 0, 0) << QStringLiteral("25/10 02:00 CET");
        QTest::newRow("Sydney, April") << QByteArray("Australia/Sydney") << julianDay(2026, 4, 4, 16, 0, 0)
                                       << QStringLiteral("05/04 02:00 AEST");
        QTest::newRow("Sydney, October") << QByteArray("Australia/Sydney") << julianDay(2026, 10, 3, 16, 0, 0)
                                         << QStringLiteral("04/10 03:00 AEDT");
        QTest::newRow("UTC") << QByteArray("UTC") << julianDay(2026, 12, 9, 21, 30, 0)
                             << QStringLiteral("09/12 21:30 UTC");
    }
    void momentsAreReadOnTheSitesClock()
    {
        QFETCH(QByteArray, zone);
        QFETCH(double, julianDay);
        QFETCH(QString, shown);
        const QTimeZone clock = zone == "UTC" ? QTimeZone::utc() : QTimeZone(zone);
        QCOMPARE(clockText(julianDay, clock, QStringLiteral("dd/MM HH:mm")), shown);
    }
};

std::unique_ptr<QObject> makeSessionTest()
{
    return std::make_unique<SessionTest>();
}

#include "session_test.moc"
