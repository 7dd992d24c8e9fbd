#include "planner/night_chart_view.h"
#include "planner/planner_window.h"
#include "planner/planning_session.h"
#include "planning/figures.h"
#include "support/message_log.h"
#include "ui/Form1.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDateTimeEdit>
#include <QDoubleSpinBox>
#include <QFile>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QSettings>
#include <QSpinBox>
#include <QStatusBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>

namespace {

template <typename Widget> Widget* child(QWidget* window, const char* name)
{
    auto* widget = window->findChild<Widget*>(QString::fromUtf8(name));
    if (!widget)
        qFatal("no %s", name);
    return widget;
}

QList<PlannerWindow*> openPlanners()
{
    QList<PlannerWindow*> planners;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* planner = qobject_cast<PlannerWindow*>(widget); planner && planner->isVisible())
            planners << planner;
    }
    return planners;
}

// The C8 with the SXV-H9, by their menu captions' places, and an object typed.
void frame(PlannerWindow& planner, const char* object)
{
    child<QComboBox>(&planner, "cboTelescopio")->setCurrentText(QStringLiteral("CelestronOTC8"));
    child<QComboBox>(&planner, "cboCamera")->setCurrentText(QStringLiteral("StarlightXpressSXVH9"));
    auto* name = child<QLineEdit>(&planner, "txtOggetto");
    name->setText(QString::fromUtf8(object));
    emit name->editingFinished();
    planner.session().settle();
}

// A field set, and the answer to it shown.
template <typename Box> void set(PlannerWindow& planner, const char* field, double value)
{
    child<Box>(&planner, field)->setValue(value);
    planner.session().settle();
}

// Whether a label's text runs into its right edge, as a clipped last letter
// does: the metrics may give the room and the drawn ink still want more.
bool inkTouchesRightEdge(QLabel* label)
{
    const QImage drawn = label->grab().toImage();
    const QRgb ground = drawn.pixel(drawn.width() - 1, 0);
    for (int y = 0; y < drawn.height(); ++y) {
        if (drawn.pixel(drawn.width() - 1, y) != ground)
            return true;
    }
    return false;
}

} // namespace

class PlannerTest : public QObject {
    Q_OBJECT

private slots:
    // Settings go to this run's own folder.
    void initTestCase()
    {
        QVERIFY(settingsFolder_.isValid());
        QSettings::setDefaultFormat(QSettings::IniFormat);
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settingsFolder_.path());
    }

    // Each case starts from a planner that remembers nothing.
    void init() { QSettings().clear(); }

    // The new menu is the last; its one entry opens a single planner, raised
    // again when chosen again, starting from the main window's numbers.
    void theMenuOpensOnePlannerFromTheMainWindowsFigures()
    {
        Form1 form(std::make_unique<velmora::MessageLog>());
        const QList<QAction*> menus = form.menuBar()->actions();
        QCOMPARE(menus.last()->text(), QStringLiteral("&Pianifica"));
        QVERIFY(openPlanners().isEmpty());
        child<QLineEdit>(&form, "Text1")->setText(QStringLiteral("203"));
        child<QLineEdit>(&form, "Text2")->setText(QStringLiteral("2032"));
        child<QLineEdit>(&form, "Text3")->setText(QStringLiteral("abc"));
        auto* entry = form.findChild<QAction*>(QStringLiteral("mnuPianificazione"));
        QVERIFY(entry);
        QCOMPARE(entry->text(), QStringLiteral("&Pianificazione..."));
        entry->trigger();
        entry->trigger();
        const QList<PlannerWindow*> planners = openPlanners();
        QCOMPARE(planners.size(), 1);
        QCOMPARE(child<QDoubleSpinBox>(planners[0], "spnApertura")->value(), 203.0);
        QCOMPARE(child<QDoubleSpinBox>(planners[0], "spnFocale")->value(), 2032.0);
        QCOMPARE(child<QDoubleSpinBox>(planners[0], "spnPixel")->value(), 0.0);
        planners[0]->close();
    }

    // From Milan on 2026-12-20 at 21:00 on Rome's clock (20:00 UTC), M31: the
    // chart runs from sunset to sunrise and peaks where the target's transit
    // stands, and the figures are on the site's clock.
    void theNightReachesTheChartAndTheFigures()
    {
        PlannerWindow planner;
        child<QComboBox>(&planner, "cboFusoOrario")->setCurrentText(QStringLiteral("Europe/Rome"));
        child<QDoubleSpinBox>(&planner, "spnLatitudine")->setValue(45.46);
        child<QDoubleSpinBox>(&planner, "spnLongitudine")->setValue(9.19);
        child<QDateTimeEdit>(&planner, "dteData")->setDateTime(QDateTime(QDate(2026, 12, 20), QTime(21, 0), Qt::UTC));
        frame(planner, "M31");
        const auto& computation = planner.computation();
        QVERIFY(computation && computation->targetTonight && computation->night);
        const auto& chart = child<NightChartView>(&planner, "grfNotte")->chart();
        QVERIFY(chart);
        QCOMPARE(
            chart->samples.front().julianDay, *computation->night->twilight.at(velmora::sky::Darkness::Sunset).evening);
        QCOMPARE(
            chart->samples.back().julianDay, *computation->night->twilight.at(velmora::sky::Darkness::Sunset).morning);
        double highest = -90;
        for (const auto& sample : chart->samples)
            highest = std::max(highest, sample.altitude);
        QVERIFY(std::abs(highest - *computation->targetTonight->view.transitAltitude) < 0.2);
        const QString figures = child<QLabel>(&planner, "lblNotte")->text();
        QVERIFY2(figures.contains(QStringLiteral("Ore utili stanotte")), qPrintable(figures));
        // M31 (RA 0h43m) crosses Milan's meridian near 18:30 UTC in late December.
        QVERIFY2(figures.contains(QStringLiteral("Transito: 20/12 19:")), qPrintable(figures));
        QVERIFY2(figures.contains(QStringLiteral(" CET, a ")), qPrintable(figures));
        QCOMPARE(computation->sky->moment.hour, 20);
        // Each figure of the site that moves the night, changed alone, is taken at once.
        const std::pair<const char*, double> changes[] = {
            {"spnAltezzaMinima", 50}, {"spnLatitudine", -33.87}, {"spnLongitudine", 151.21}};
        for (const auto& [field, value] : changes) {
            const QString before = child<QLabel>(&planner, "lblNotte")->text();
            set<QDoubleSpinBox>(planner, field, value);
            QVERIFY2(child<QLabel>(&planner, "lblNotte")->text() != before, field);
        }
    }

    // The site and the object come back in the next planner.
    void theSiteIsRememberedBetweenRuns()
    {
        {
            PlannerWindow planner;
            child<QDoubleSpinBox>(&planner, "spnLatitudine")->setValue(-33.5);
            frame(planner, "M42");
            child<QSpinBox>(&planner, "spnBinning")->setValue(2);
        }
        PlannerWindow again;
        QCOMPARE(child<QDoubleSpinBox>(&again, "spnLatitudine")->value(), -33.5);
        QCOMPARE(child<QLineEdit>(&again, "txtOggetto")->text(), QStringLiteral("M42"));
        QCOMPARE(child<QComboBox>(&again, "cboTelescopio")->currentText(), QStringLiteral("CelestronOTC8"));
        QCOMPARE(child<QComboBox>(&again, "cboCamera")->currentText(), QStringLiteral("StarlightXpressSXVH9"));
        QCOMPARE(child<QDoubleSpinBox>(&again, "spnFocale")->value(), 2032.0); // the C8's
        QCOMPARE(child<QSpinBox>(&again, "spnBinning")->value(), 2);
        PlannerWindow fromTheMainWindow({100, 500, std::nullopt, std::nullopt, std::nullopt});
        QCOMPARE(child<QDoubleSpinBox>(&fromTheMainWindow, "spnFocale")->value(), 500.0); // its fields come first
        QCOMPARE(child<QDoubleSpinBox>(&fromTheMainWindow, "spnPixel")->value(), 6.45);
    }

    // A remembered value that does not read, or lies outside its field's
    // bounds, gives the field's default, and the planner says which once; a
    // name no longer in the lists leaves "(a mano)" with the figures.
    void damagedSettingsFallBackToTheDefaultsAndAreSaid_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("field");
        QTest::addColumn<double>("expected");
        const auto row = [](const char* key, const char* value, const char* field, double expected) {
            QTest::newRow((std::string(key) + "=" + value).c_str())
                << QString::fromUtf8(key) << QString::fromUtf8(value) << QString::fromUtf8(field) << expected;
        };
        row("altezzaMinima", "nan", "spnAltezzaMinima", 30);
        row("altezzaMinima", "91", "spnAltezzaMinima", 30);
        row("altezzaMinima", "-0.5", "spnAltezzaMinima", 30);
        row("latitudine", "abc", "spnLatitudine", 41.9028);
        row("latitudine", "-90.5", "spnLatitudine", 41.9028);
        row("longitudine", "inf", "spnLongitudine", 12.4964);
        row("quota", "", "spnQuota", 20);
        row("rig/spnFocale", "nan", "spnFocale", 0);
        row("rig/spnFocale", "1e9", "spnFocale", 0);
        row("rig/spnBinning", "2.5", "spnBinning", 1);
        row("rig/spnBinning", "9", "spnBinning", 1);
    }
    void damagedSettingsFallBackToTheDefaultsAndAreSaid()
    {
        QFETCH(QString, key);
        QFETCH(QString, value);
        QFETCH(QString, field);
        QFETCH(double, expected);
        {
            QSettings settings;
            settings.setValue(QStringLiteral("Pianificazione/") + key, value);
            settings.setValue(QStringLiteral("Pianificazione/altazimutale"), QStringLiteral("maybe"));
            settings.setValue(QStringLiteral("Pianificazione/telescopio"), QStringLiteral("Sold last year"));
            settings.setValue(QStringLiteral("Pianificazione/rig/spnApertura"), 150);
        }
        PlannerWindow planner;
        auto* box = planner.findChild<QAbstractSpinBox*>(field);
        QVERIFY(box);
        QCOMPARE(box->property("value").toDouble(), expected);
        QVERIFY(!child<QCheckBox>(&planner, "chkAltazimutale")->isChecked());
        QCOMPARE(child<QComboBox>(&planner, "cboTelescopio")->currentText(), QStringLiteral("(a mano)"));
        QCOMPARE(child<QDoubleSpinBox>(&planner, "spnApertura")->value(), 150.0);
        const QString said = planner.statusBar()->currentMessage();
        QVERIFY2(said.contains(key) && said.contains(QStringLiteral("altazimutale")), qPrintable(said));
        QCOMPARE(said.count(QStringLiteral("Impostazioni ricordate")), 1);
    }

    // A rig figure set aside is given back by the remembered telescope's name.
    void aNameFoundGivesBackItsFiguresSetAside()
    {
        {
            QSettings settings;
            settings.setValue(QStringLiteral("Pianificazione/rig/spnFocale"), QStringLiteral("nan"));
            settings.setValue(QStringLiteral("Pianificazione/telescopio"), QStringLiteral("CelestronOTC8"));
        }
        PlannerWindow planner;
        QCOMPARE(child<QComboBox>(&planner, "cboTelescopio")->currentText(), QStringLiteral("CelestronOTC8"));
        QCOMPARE(child<QDoubleSpinBox>(&planner, "spnFocale")->value(), 2032.0);
        QCOMPARE(child<QDoubleSpinBox>(&planner, "spnApertura")->value(), 203.0);
    }

    // A remembered horizon file that is gone leaves a flat horizon, is said
    // beside the field, and is kept for when it comes back.
    void aHorizonFileThatIsGoneIsSaidAndKept()
    {
        const QString gone = settingsFolder_.filePath(QStringLiteral("gone.hrz"));
        QSettings().setValue(QStringLiteral("Pianificazione/orizzonte"), gone);
        {
            PlannerWindow planner;
            const QString said = child<QLabel>(&planner, "lblOrizzonte")->text();
            QVERIFY2(said.contains(QStringLiteral("gone.hrz")) && said.contains(QStringLiteral("non c'è")),
                qPrintable(said));
            QVERIFY(planner.statusBar()->currentMessage().isEmpty());
        }
        QCOMPARE(QSettings().value(QStringLiteral("Pianificazione/orizzonte")).toString(), gone);
        QFile file(gone);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("0 40\n180 40\n");
        file.close();
        PlannerWindow back;
        QCOMPARE(child<QLabel>(&back, "lblOrizzonte")->text(), QStringLiteral("gone.hrz"));
    }

    // The user's files, remembered, are read without holding the window up;
    // their telescopes, cameras and lenses join the lists, and a file gone
    // since is said and forgotten.
    void equipmentFilesJoinTheListsAndAreRemembered()
    {
        {
            QSettings settings;
            settings.setValue(QStringLiteral("Pianificazione/fileStrumentazione"),
                QStringList {QStringLiteral(VELMORA_TEST_DATA_DIR "/ocular.ini")});
        }
        {
            PlannerWindow planner;
            QTRY_VERIFY(!planner.isLoadingEquipment());
            auto* telescopes = child<QComboBox>(&planner, "cboTelescopio");
            QVERIFY(telescopes->findText(QStringLiteral("Celestron Onyx 80EDF")) > 0);
            QVERIFY(telescopes->findText(QStringLiteral("CelestronOTC8")) > 0); // the built-in ones stay
            auto* lenses = child<QComboBox>(&planner, "cboLente");
            lenses->setCurrentText(QStringLiteral("F/6.3 Reducer"));
            QCOMPARE(child<QDoubleSpinBox>(&planner, "spnBarlow")->value(), 0.63);
            telescopes->setCurrentText(QStringLiteral("Celestron Onyx 80EDF"));
            QCOMPARE(child<QDoubleSpinBox>(&planner, "spnFocale")->value(), 500.0);
        }
        {
            QSettings settings;
            settings.setValue(QStringLiteral("Pianificazione/fileStrumentazione"),
                QStringList {settingsFolder_.filePath(QStringLiteral("gone.csv"))});
        }
        PlannerWindow planner;
        QTRY_VERIFY(!planner.isLoadingEquipment());
        QTRY_VERIFY(
            child<QLabel>(&planner, "lblAvvisoStrumentazione")->text().contains(QStringLiteral("non si legge")));
        QCOMPARE(child<QLabel>(&planner, "lblFileStrumentazione")->text(), QStringLiteral("Solo il catalogo interno."));
    }

    // Each field of a figure comes from the planning layer's table, as
    // velmora-calc's options do: within the figure's bounds, starting at its
    // default; a figure that may be left out starts at "not given".
    void theFieldsComeFromTheFigureTable()
    {
        PlannerWindow planner;
        int fields = 0;
        for (const velmora::planning::Figure& figure : velmora::planning::kFigures) {
            if (figure.field.empty())
                continue;
            ++fields;
            const QString name = QString::fromUtf8(figure.field.data(), qsizetype(figure.field.size()));
            auto* box = planner.findChild<QAbstractSpinBox*>(name);
            QVERIFY2(box, qPrintable(name));
            const double lowest = box->property("minimum").toDouble();
            const double highest = box->property("maximum").toDouble();
            QVERIFY2(figure.bounds.holds(highest), qPrintable(name));
            QVERIFY2(highest <= figure.fieldMaximum(), qPrintable(name));
            const bool site = figure.id == velmora::planning::FigureId::Elevation; // Rome's until one is given
            if (figure.byDefault) {
                QVERIFY2(figure.bounds.holds(lowest), qPrintable(name));
                if (!site)
                    QCOMPARE(box->property("value").toDouble(), *figure.byDefault);
            } else if (figure.bounds.lowestExcluded) {
                QCOMPARE(lowest, figure.bounds.lowest);
                QCOMPARE(box->text(), QStringLiteral("—"));
            }
        }
        QVERIFY(fields >= 20);
    }

    // On every page, each label has room for its whole text, and each key
    // reaches one control only: the page's own keys, the object's and the
    // pages' tabs together.
    void everyLabelFitsAndEveryKeyIsItsOwn()
    {
        PlannerWindow planner;
        planner.show();
        QVERIFY(QTest::qWaitForWindowExposed(&planner));
        auto* tabs = child<QTabWidget>(&planner, "tabSezioni");
        for (int page = 0; page < tabs->count(); ++page) {
            tabs->setCurrentIndex(page);
            QApplication::processEvents();
            QMap<QChar, QString> keys;
            const auto claim = [&](const QString& text) {
                const qsizetype at = text.indexOf(QLatin1Char('&'));
                if (at < 0 || at + 1 >= text.size())
                    return;
                const QChar key = text.at(at + 1).toLower();
                QVERIFY2(!keys.contains(key),
                    qPrintable(QStringLiteral("Alt+%1: %2 and %3").arg(key, keys.value(key), text)));
                keys.insert(key, text);
            };
            for (QWidget* widget : planner.findChildren<QWidget*>()) {
                if (!widget->isVisible())
                    continue;
                if (auto* label = qobject_cast<QLabel*>(widget); label && label->buddy())
                    claim(label->text());
                else if (auto* button = qobject_cast<QAbstractButton*>(widget))
                    claim(button->text());
                else if (auto* group = qobject_cast<QGroupBox*>(widget); group && group->isCheckable())
                    claim(group->title());
                if (auto* label = qobject_cast<QLabel*>(widget);
                    label && !label->wordWrap() && !label->text().isEmpty()) {
                    QString text = label->text();
                    text.remove(QLatin1Char('&'));
                    QVERIFY2(!inkTouchesRightEdge(label), qPrintable(text));
                }
            }
        }
    }

private:
    QTemporaryDir settingsFolder_;
};

QTEST_MAIN(PlannerTest)
#include "planner_window_test.moc"
