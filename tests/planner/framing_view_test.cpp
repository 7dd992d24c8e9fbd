#include "planner/framing_view.h"
#include "planner/night_chart_view.h"

#include <cmath>

#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QTest>

namespace {

constexpr int kSide = 200; // pixels; the scenes below are 100 units across, 2 pixels a unit

QImage drawn(const velmora::planning::FramingScene& scene)
{
    FramingView view;
    view.setScene(scene);
    QImage image(kSide, kSide, QImage::Format_RGB32);
    QPainter painter(&image);
    view.render(painter, QRectF(0, 0, kSide, kSide));
    return image;
}

velmora::planning::FramingScene plainScene()
{
    velmora::planning::FramingScene scene {};
    scene.extent = 100;
    return scene;
}

// Whether the pixel `units` from the centre (x right, y down, in scene
// units) differs from the dark ground.
bool inked(const QImage& image, double x, double y)
{
    const QColor ground = image.pixelColor(2, 2);
    return image.pixelColor(int(kSide / 2 + 2 * x), int(kSide / 2 + 2 * y)) != ground;
}

} // namespace

// The picture draws the scene it is given at its scale: pixels are checked
// where the outline, the frames and the lit part must and must not be.
class FramingViewTest : public QObject {
    Q_OBJECT

private slots:
    void anOutlineSpansItsAxesTurnedAsTheSceneSays()
    {
        velmora::planning::FramingScene scene = plainScene();
        scene.majorAxis = 40, scene.minorAxis = 20;
        const QImage flat = drawn(scene);
        QVERIFY(inked(flat, 0, 0));
        QVERIFY(inked(flat, 18, 0));
        QVERIFY(!inked(flat, 22, 0));
        QVERIFY(!inked(flat, 0, 12));
        scene.objectTurn = 90; // the major axis down the page
        const QImage turned = drawn(scene);
        QVERIFY(inked(turned, 0, 18));
        QVERIFY(!inked(turned, 18, 0));

        // On a wide picture the scale is the height's: still 2 pixels a unit.
        scene.objectTurn = 0;
        FramingView view;
        view.setScene(scene);
        QImage wide(2 * kSide, kSide, QImage::Format_RGB32);
        QPainter painter(&wide);
        view.render(painter, QRectF(0, 0, 2 * kSide, kSide));
        const QColor ground = wide.pixelColor(2, 2);
        QVERIFY(wide.pixelColor(kSide + 2 * 18, kSide / 2) != ground);
        QVERIFY(wide.pixelColor(kSide + 2 * 22, kSide / 2) == ground);
    }

    void framesAreDrawnAsOutlinesTurnedWithTheCamera()
    {
        velmora::planning::FramingScene scene = plainScene();
        scene.frames = {{-30, -10, 60, 20}};
        const QImage flat = drawn(scene);
        for (const auto& [x, y] : {std::pair {-30, 0}, {30, 0}, {0, -10}, {0, 10}}) // each side
            QVERIFY(inked(flat, x, y));
        QVERIFY(!inked(flat, 0, 0)); // an outline, not filled
        QVERIFY(!inked(flat, 0, -30));
        QVERIFY(!inked(flat, 0, 30));
        scene.framesTurn = 90;
        const QImage turned = drawn(scene);
        QVERIFY(inked(turned, 0, -30));
        QVERIFY(!inked(turned, -30, 0));
        // A lone sensor, as a body that fits is shown.
        scene.frames.clear();
        scene.framesTurn = 0;
        scene.sensor = velmora::planning::SceneRect {-20, -5, 40, 10};
        const QImage sensor = drawn(scene);
        for (const auto& [x, y] : {std::pair {-20, 0}, {20, 0}, {0, -5}, {0, 5}})
            QVERIFY(inked(sensor, x, y));
        QVERIFY(!inked(sensor, 0, 0));
        QVERIFY(!inked(sensor, 0, 20));
    }

    // North points up and east to the left, from the rose at the lower right.
    void theCompassPointsNorthUpAndEastLeft()
    {
        velmora::planning::FramingScene scene = plainScene();
        scene.compass = true;
        const QImage image = drawn(scene);
        const double text = kSide / 30.0; // the picture's text size
        const QPointF rose(kSide - 2.5 * text, kSide - 2.5 * text);
        const QColor ground = image.pixelColor(2, 2);
        const auto inkedAt = [&](QPointF at) { return image.pixelColor(at.toPoint()) != ground; };
        QVERIFY(inkedAt(rose + QPointF(-text, 0)));
        QVERIFY(!inkedAt(rose + QPointF(text, 0)));
        QVERIFY(inkedAt(rose + QPointF(0, -text)));
        QVERIFY(!inkedAt(rose + QPointF(0, text)));
        // Each letter at its arm's tip, and nothing where the arms do not go;
        // the scale bar and its length at the lower left.
        const auto inkIn = [&](QPointF corner, double width, double height) {
            for (double y = corner.y(); y < corner.y() + height; ++y)
                for (double x = corner.x(); x < corner.x() + width; ++x)
                    if (inkedAt({x, y}))
                        return true;
            return false;
        };
        QVERIFY(inkIn(rose + QPointF(-0.4 * text, -2.5 * text), 0.9 * text, 0.8 * text)); // N
        QVERIFY(inkIn(rose + QPointF(-2.6 * text, -0.5 * text), 0.8 * text, 0.9 * text)); // E
        QVERIFY(!inkIn(rose + QPointF(-0.5 * text, 0.5 * text), text, 1.5 * text));
        QVERIFY(!inkIn(rose + QPointF(0.5 * text, -0.5 * text), 1.5 * text, text));
        const QPointF bar(text, kSide - 1.5 * text);
        QVERIFY(inkIn(bar + QPointF(0, -0.2 * text), 2 * text, 0.4 * text));
        QVERIFY(inkIn(bar + QPointF(0, -1.2 * text), 2 * text, 0.8 * text)); // its length
    }

    // A quarter lit towards +x: a crescent from 10 to 20 units out; half
    // turned round, it faces the other way.
    void aBodyIsLitOnItsBrightLimbsSideOnly()
    {
        velmora::planning::FramingScene scene = plainScene();
        scene.majorAxis = scene.minorAxis = 40;
        scene.colour = "#ffffff";
        scene.phase = velmora::planning::FramingScene::Phase {0.25, 0};
        const QImage crescent = drawn(scene);
        const QColor lit = crescent.pixelColor(kSide / 2 + 2 * 16, kSide / 2);
        QVERIFY(lit.lightness() > 200);
        QVERIFY(crescent.pixelColor(kSide / 2, kSide / 2).lightness() < 100);
        QVERIFY(crescent.pixelColor(kSide / 2 - 2 * 16, kSide / 2).lightness() < 100);
        QVERIFY(crescent.pixelColor(kSide / 2, kSide / 2 + 2 * 16).lightness() < 100);
        scene.phase = velmora::planning::FramingScene::Phase {0.75, 180};
        const QImage gibbous = drawn(scene);
        QVERIFY(gibbous.pixelColor(kSide / 2, kSide / 2).lightness() > 200);
        QVERIFY(gibbous.pixelColor(kSide / 2 - 2 * 16, kSide / 2).lightness() > 200);
        QVERIFY(gibbous.pixelColor(kSide / 2 + 2 * 16, kSide / 2).lightness() < 100);
    }

    // A night of 10 hours with the object at 45 degrees throughout: its
    // curve crosses the plot at half height from edge to edge, and the
    // middle of the night is darker than its ends.
    void theChartSpreadsTheNightAcrossThePlot()
    {
        velmora::planning::NightChart chart {};
        chart.start = 2461000.2;
        chart.end = chart.start + 10.0 / 24;
        chart.minAltitude = 30;
        chart.moment = chart.start - 1; // marked nowhere
        for (std::size_t level = 0; level < chart.twilight.edges.size(); ++level) // an hour deeper a level
            chart.twilight.edges[level] = {chart.start + double(level) / 24, chart.end - double(level) / 24};
        for (int i = 0; i <= 10; ++i)
            chart.samples.push_back({chart.start + i / 24.0, 45, -10, 0});
        NightChartView view;
        view.resize(400, 300);
        view.setChart(chart);
        QImage image(view.size(), QImage::Format_RGB32);
        view.render(&image);
        const auto yellowAt = [&image](int x) {
            for (int y = 0; y < image.height(); ++y) {
                const QColor c = image.pixelColor(x, y);
                if (c.red() > 200 && c.green() > 150 && c.blue() < 150)
                    return y;
            }
            return -1;
        };
        const int left = yellowAt(80), middle = yellowAt(200), right = yellowAt(360);
        QVERIFY(left > 0 && middle > 0 && right > 0);
        QVERIFY(std::abs(left - middle) <= 1 && std::abs(right - middle) <= 1);
        QVERIFY(middle > image.height() / 4 && middle < image.height() * 3 / 4);
        const int below = middle + 40;
        QVERIFY(image.pixelColor(200, below).lightness() < image.pixelColor(60, below).lightness());
        // The lowest altitude worth imaging, a level dashed line under the curve.
        const auto dashAt = [&image, middle](int from) {
            for (int x = from; x < from + 12; ++x) {
                for (int y = middle + 2; y + 3 < image.height(); ++y) {
                    if (image.pixelColor(x, y).lightness() > image.pixelColor(x, y + 3).lightness() + 60)
                        return y;
                }
            }
            return -1;
        };
        const int dashLeft = dashAt(80), dashRight = dashAt(340);
        QVERIFY(dashLeft > middle);
        QVERIFY(std::abs(dashLeft - dashRight) <= 1);
        // The altitudes are written in the margin beside their heights: 30
        // at the dashed line, 60 as far above the curve, none at 45.
        const QColor margin = image.pixelColor(1, 1);
        const auto written = [&image, &margin](int y) {
            for (int row = y - 3; row <= y + 3; ++row)
                for (int x = 0; x < 14; ++x)
                    if (image.pixelColor(x, row) != margin)
                        return true;
            return false;
        };
        QVERIFY(written(dashLeft));
        QVERIFY(written(2 * middle - dashLeft));
        QVERIFY(!written(middle));

        // The moment asked about is a red line where it falls, the night's
        // last minute included; before the night, none.
        const auto redColumns = [&view, &chart](double moment) {
            chart.moment = moment;
            view.setChart(chart);
            QImage marked(view.size(), QImage::Format_RGB32);
            view.render(&marked);
            QList<int> columns;
            for (int x = 0; x < marked.width(); ++x) {
                const QColor c = marked.pixelColor(x, marked.height() / 8);
                if (c.red() > 200 && c.green() < 120 && c.blue() < 120)
                    columns << x;
            }
            return columns;
        };
        QVERIFY(redColumns(chart.start - 1).isEmpty());
        const QList<int> halfway = redColumns(chart.start + 5.0 / 24);
        QVERIFY(!halfway.isEmpty() && std::abs(halfway.front() - 200) < 30);
        const QList<int> last = redColumns(chart.end);
        QVERIFY(!last.isEmpty() && last.front() > 340);
    }

    // The turns the picture asks for, by key and wheel.
    void keysAndTheWheelAskForTurns()
    {
        FramingView view;
        QList<double> asked;
        connect(&view, &FramingView::turnAsked, [&asked](double degrees) { asked << degrees; });
        QTest::keyClick(&view, Qt::Key_Left);
        QTest::keyClick(&view, Qt::Key_PageDown);
        QWheelEvent wheel(QPointF(10, 10), QPointF(10, 10), QPoint(), QPoint(0, -240), Qt::NoButton, Qt::NoModifier,
            Qt::NoScrollPhase, false);
        QApplication::sendEvent(&view, &wheel);
        QCOMPARE(asked, (QList<double> {1, -10, -2}));
    }

    // A drag a quarter of the way round the centre, clockwise on the page,
    // turns the camera back by 90 degrees.
    void aDragTurnsTheCameraWithThePointer()
    {
        FramingView view;
        view.resize(300, 300);
        double turned = 0;
        connect(&view, &FramingView::turnAsked, [&turned](double degrees) { turned += degrees; });
        const QPointF start(230, 150);
        QMouseEvent press(
            QEvent::MouseButtonPress, start, view.mapToGlobal(start), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&view, &press);
        for (int step = 1; step <= 9; ++step) {
            const double angle = step * 10 * M_PI / 180;
            const QPointF at(150 + 80 * std::cos(angle), 150 + 80 * std::sin(angle));
            QMouseEvent move(QEvent::MouseMove, at, view.mapToGlobal(at), Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(&view, &move);
        }
        QVERIFY2(std::abs(turned + 90) < 0.01, qPrintable(QString::number(turned)));
    }
};

QTEST_MAIN(FramingViewTest)
#include "framing_view_test.moc"
