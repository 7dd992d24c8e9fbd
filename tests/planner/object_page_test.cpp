// The object's bar alone: the name it asks for, and what it says of the
// object or body in the answer.
#include "fake_engine.h"
#include "page_fields.h"
#include "pages.h"
#include "planner/local_time.h"
#include "planner/object_page.h"

#include <QLabel>
#include <QLineEdit>

using velmora::planning::Reason;
using velmora::planning::Refusal;
using velmora::planning::Subject;

namespace {

void type(ObjectPage& page, const QString& name)
{
    auto* field = child<QLineEdit>(&page, "txtOggetto");
    field->setText(name);
    emit field->editingFinished();
}

const velmora::sky::GeoSite kMilan {45.46, 9.19, 0};

} // namespace

class ObjectPageTest : public QObject {
    Q_OBJECT

private slots:
    // An Italian or English body name asks for the body; anything else for
    // a deep-sky object by that name; nothing for nothing.
    void theNameTypedIsWhatIsAsked_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("body");
        QTest::addColumn<QString>("target");
        QTest::newRow("Giove") << QStringLiteral("Giove") << QStringLiteral("jupiter") << QString();
        QTest::newRow("luna") << QStringLiteral("  luna ") << QStringLiteral("moon") << QString();
        QTest::newRow("Saturn") << QStringLiteral("Saturn") << QStringLiteral("saturn") << QString();
        QTest::newRow("M31") << QStringLiteral("M31") << QString() << QStringLiteral("M31");
        QTest::newRow("empty") << QString() << QString() << QString();
    }
    void theNameTypedIsWhatIsAsked()
    {
        QFETCH(QString, typed);
        QFETCH(QString, body);
        QFETCH(QString, target);
        FakeSession fake;
        ObjectPage page(fake.session);
        type(page, typed);
        const velmora::planning::Request& asked = fake.request();
        QCOMPARE(
            asked.frame ? QString::fromUtf8(asked.frame->name.data(), qsizetype(asked.frame->name.size())) : QString(),
            body);
        QCOMPARE(QString::fromStdString(asked.target.value_or("")), target);
    }

    // A name not found is said with the closest, in Italian.
    void aNameNotFoundSaysTheClosest()
    {
        FakeSession fake;
        ObjectPage page(fake.session);
        fake.answer(
            {std::nullopt, Refusal::aboutName(Subject::Target, Reason::NotFound, "M5199", {"IC5199"}), std::nullopt});
        QCOMPARE(child<QLabel>(&page, "lblAvvisoOggetto")->text(),
            QStringLiteral("Nessun oggetto del catalogo si chiama «M5199». Forse «IC5199»?"));
        fake.answer({std::nullopt, Refusal::missing(Subject::Aperture), std::nullopt});
        QVERIFY(child<QLabel>(&page, "lblAvvisoOggetto")->text().isEmpty());
    }

    // Jupiter at noon in Milan is down: framed all the same, and when it
    // rises said on the site's clock.
    void aBodyDownSaysWhenItRises()
    {
        FakeSession fake;
        fake.session.setTimeZone(QTimeZone("Europe/Rome"));
        ObjectPage page(fake.session);
        const PlanningAnswer noon = knownAnswer([](velmora::planning::Request& r) {
            c8At(r, kMilan, {2026, 12, 6, 12, 0, 0});
            r.frame = velmora::sky::findBody("jupiter");
        });
        fake.answer(noon);
        const QString facts = child<QLabel>(&page, "lblOggetto")->text();
        QVERIFY2(facts.startsWith(QStringLiteral("Giove, a ")), qPrintable(facts));
        const auto& view = *noon.computation->sky->bodies[*noon.computation->framedBody].fromSite;
        const QString rise =
            momentOf(*view.rise).toTimeZone(QTimeZone("Europe/Rome")).toString(QStringLiteral("HH:mm"));
        QVERIFY2(facts.contains(QStringLiteral("sotto l'orizzonte, sorge alle %1 CET").arg(rise)), qPrintable(facts));
    }

    // A deep-sky object: its names, its kind in Italian, its size and place
    // written the Italian way.
    void aTargetIsDescribedTheItalianWay()
    {
        FakeSession fake;
        ObjectPage page(fake.session);
        fake.answer(knownAnswer([](velmora::planning::Request& r) {
            c8At(r, kMilan, {2026, 12, 20, 20, 0, 0});
            r.target = "M57";
        }));
        const QString facts = child<QLabel>(&page, "lblOggetto")->text();
        QVERIFY2(facts.contains(QStringLiteral("M57 / NGC6720 (Ring Nebula): nebulosa planetaria")), qPrintable(facts));
        QVERIFY2(facts.contains(QStringLiteral("AR 18:53:35,01, Dec +33:01:42,9")), qPrintable(facts));
        QVERIFY2(facts.contains(QStringLiteral("′ × ")), qPrintable(facts));
    }

    // A row of tonight's list names the object: the field shows it and asks for it.
    void anObjectChosenElsewhereIsAskedFor()
    {
        FakeSession fake;
        ObjectPage page(fake.session);
        fake.session.chooseObject(QStringLiteral("NGC7000"));
        QCOMPARE(page.typedName(), QStringLiteral("NGC7000"));
        QCOMPARE(fake.request().target.value_or(""), std::string("NGC7000"));
    }
};

std::unique_ptr<QObject> makeObjectPageTest()
{
    return std::make_unique<ObjectPageTest>();
}

#include "object_page_test.moc"
