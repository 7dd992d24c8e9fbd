// The planner's figures, each beside a baseline measured in the same run:
//  - from choosing "Pianificazione..." to the planner's first painted frame,
//    catalogue included, against a bare window of the same size shown and
//    painted by the same harness;
//  - a turn of the camera, the picture drawn again, against a bare widget
//    of the same size painted again;
//  - the night's chart drawn again, against the same bare widget.
// Usage: velmora_planner_bench [RUNS]   (offscreen unless QT_QPA_PLATFORM is set)
#include "planner/framing_view.h"
#include "planner/night_chart_view.h"
#include "planner/planner_window.h"
#include "planner/planning_session.h"
#include "ui/Form1.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QElapsedTimer>
#include <QImage>
#include <QLineEdit>
#include <QSettings>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Milliseconds from `open` to the first paint of the window it shows.
class FirstPaint : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && qobject_cast<QWidget*>(watched) && !painted)
            painted = true;
        return false;
    }
    bool painted = false;
};

template <typename Open> double toFirstPaint(Open open)
{
    FirstPaint watcher;
    QApplication::instance()->installEventFilter(&watcher);
    QElapsedTimer timer;
    timer.start();
    QWidget* window = open();
    while (!watcher.painted)
        QCoreApplication::processEvents();
    const double ms = static_cast<double>(timer.nsecsElapsed()) / 1e6;
    QApplication::instance()->removeEventFilter(&watcher);
    window->close();
    delete window;
    return ms;
}

// Microseconds to change something and paint `widget` again, whole, into
// an image of its size (as its backing store would be painted).
template <typename Change> double repaintMicroseconds(QWidget* widget, Change change, int times)
{
    std::vector<double> each;
    QImage image(widget->size(), QImage::Format_ARGB32_Premultiplied);
    for (int i = 0; i < times; ++i) {
        QElapsedTimer timer;
        timer.start();
        change(i);
        widget->render(&image);
        each.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e3);
    }
    return median(each);
}

} // namespace

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    QTemporaryDir settings; // the planner's settings stay out of the user's
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 15;

    Form1 form;
    form.show();
    QAction* entry = form.findChild<QAction*>(QStringLiteral("mnuPianificazione"));
    std::vector<double> plannerTimes, bareTimes;
    for (int i = 0; i < runs; ++i) {
        bareTimes.push_back(toFirstPaint([] {
            auto* bare = new QWidget;
            bare->resize(1000, 640);
            bare->show();
            return bare;
        }));
        plannerTimes.push_back(toFirstPaint([entry] {
            entry->trigger();
            for (QWidget* widget : QApplication::topLevelWidgets()) {
                if (auto* planner = qobject_cast<PlannerWindow*>(widget))
                    return static_cast<QWidget*>(planner);
            }
            std::exit(1);
        }));
    }

    PlannerWindow planner;
    planner.show();
    planner.findChild<QComboBox*>(QStringLiteral("cboTelescopio"))->setCurrentText(QStringLiteral("CelestronOTC8"));
    planner.findChild<QComboBox*>(QStringLiteral("cboCamera"))->setCurrentText(QStringLiteral("StarlightXpressSXVH9"));
    auto* name = planner.findChild<QLineEdit*>(QStringLiteral("txtOggetto"));
    name->setText(QStringLiteral("M31"));
    emit name->editingFinished();
    planner.session().settle(); // the burst of changes answered
    auto* picture = planner.findChild<FramingView*>(QStringLiteral("picInquadratura"));
    auto* chart = planner.findChild<NightChartView*>(QStringLiteral("grfNotte"));
    auto* angle = planner.findChild<QDoubleSpinBox*>(QStringLiteral("spnAngolo"));
    if (!picture->scene() || !chart->chart())
        return 1;
    chart->resize(picture->size());
    QWidget bare;
    bare.resize(picture->size());
    bare.show();
    const double turn = repaintMicroseconds(
        picture, [angle](int i) { angle->setValue(i % 360); }, 500);
    const double night = repaintMicroseconds(
        chart, [](int) {}, 500);
    const double empty = repaintMicroseconds(
        &bare, [](int) {}, 500);

    std::printf("median of %d runs                 planner     bare window  ratio\n", runs);
    std::printf("menu to first paint (goal < 200 ms)  %6.1f ms   %6.1f ms    %5.2f\n", median(plannerTimes),
        median(bareTimes), median(plannerTimes) / median(bareTimes));
    std::printf("median of 500 redraws, %dx%d px     picture     bare widget\n", picture->width(), picture->height());
    std::printf("turn and redraw (goal < 8 ms)      %6.0f us   %6.0f us\n", turn, empty);
    std::printf("night chart (goal < 16 ms)         %6.0f us   %6.0f us\n", night, empty);
    return 0;
}
