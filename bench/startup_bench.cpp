// Start-up, memory and click figures of the real main window, each beside a
// baseline measured by the same harness in the same run:
//  - process start to the first complete paint of Form1, against a bare Qt
//    Widgets window of the same size, and for scale a window of that size
//    with one label (the least any window that shows text pays: fontconfig);
//  - peak resident memory of those two processes;
//  - the time from a click on "CALCOLA" to all 23 result fields written.
// Usage: velmora_startup_bench [RUNS]   (offscreen unless QT_QPA_PLATFORM is set)
#include "ui/Form1.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

long long monotonicNanoseconds()
{
    return std::chrono::duration_cast<std::chrono::nanoseconds>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

// Prints, once the window has been painted whole, how long it took since
// the parent started this process.
class FirstPaintReporter : public QObject {
public:
    explicit FirstPaintReporter(long long startedAt) : startedAt_(startedAt) { }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !reported_) {
            reported_ = true;
            // The rest of this frame's paint events come first.
            QTimer::singleShot(0, this, [this] {
                std::printf("%lld\n", monotonicNanoseconds() - startedAt_);
                std::fflush(stdout);
                QCoreApplication::exit(0);
            });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    long long startedAt_;
    bool reported_ = false;
};

int runChild(int argc, char** argv, const std::string& kind, long long startedAt)
{
    QApplication app(argc, argv);
    FirstPaintReporter reporter(startedAt);
    std::unique_ptr<QWidget> window;
    if (kind == "form1") {
        window = std::make_unique<Form1>();
    } else {
        window = std::make_unique<QWidget>();
        window->resize(647, 520);
        if (kind == "label")
            new QLabel(QStringLiteral("Velmora"), window.get());
    }
    window->installEventFilter(&reporter);
    window->show();
    return QApplication::exec();
}

struct ChildFigures {
    double milliseconds;
    double peakMegabytes;
};

ChildFigures measureChild(const char* self, const char* kind)
{
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0)
        std::exit(1);
    const long long startedAt = monotonicNanoseconds();
    const pid_t child = fork();
    if (child == 0) {
        dup2(pipeEnds[1], STDOUT_FILENO);
        close(pipeEnds[0]);
        const std::string started = std::to_string(startedAt);
        execl(self, self, "--child", kind, started.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    close(pipeEnds[1]);
    char buffer[64] = {};
    const ssize_t got = read(pipeEnds[0], buffer, sizeof buffer - 1);
    close(pipeEnds[0]);
    int status = 0;
    rusage usage {};
    wait4(child, &status, 0, &usage);
    if (got <= 0 || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "the %s window did not report its first paint\n", kind);
        std::exit(1);
    }
    return {static_cast<double>(std::atoll(buffer)) / 1e6, static_cast<double>(usage.ru_maxrss) / 1024.0};
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

double clickToFieldsMicroseconds(int argc, char** argv)
{
    QApplication app(argc, argv);
    Form1 window;
    const std::pair<const char*, const char*> inputs[] = {
        {"Text1", "203"}, {"Text2", "2032"}, {"Text3", "5.6"}, {"Text14", "640"}, {"Text22", "480"}};
    for (const auto& [name, text] : inputs)
        window.findChild<QLineEdit*>(name)->setText(QString::fromLatin1(text));
    auto* calculate = window.findChild<QPushButton*>(QStringLiteral("Command1"));
    auto* lastField = window.findChild<QLineEdit*>(QStringLiteral("Text8"));
    std::vector<double> times;
    for (int i = 0; i < 2000; ++i) {
        lastField->clear();
        QElapsedTimer timer;
        timer.start();
        calculate->click(); // runs the calculation to its last field before returning
        times.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e3);
        if (lastField->text().isEmpty())
            std::exit(1);
    }
    return median(times);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc == 4 && std::strcmp(argv[1], "--child") == 0)
        return runChild(1, argv, argv[2], std::atoll(argv[3]));

    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 15;
    std::vector<double> formTimes, bareTimes, labelTimes, formMemory, bareMemory, labelMemory;
    for (int i = 0; i < runs; ++i) { // interleaved, so that drifts in load touch all alike
        const ChildFigures bare = measureChild(argv[0], "bare");
        const ChildFigures label = measureChild(argv[0], "label");
        const ChildFigures form = measureChild(argv[0], "form1");
        bareTimes.push_back(bare.milliseconds);
        labelTimes.push_back(label.milliseconds);
        formTimes.push_back(form.milliseconds);
        bareMemory.push_back(bare.peakMegabytes);
        labelMemory.push_back(label.peakMegabytes);
        formMemory.push_back(form.peakMegabytes);
    }
    const double click = clickToFieldsMicroseconds(1, argv);

    std::printf("median of %d runs        Form1     bare window  ratio (goal <= 1.30)   one label  ratio\n", runs);
    std::printf("start to first paint  %6.1f ms   %6.1f ms    %5.2f                  %6.1f ms  %5.2f\n",
        median(formTimes), median(bareTimes), median(formTimes) / median(bareTimes), median(labelTimes),
        median(formTimes) / median(labelTimes));
    std::printf("peak memory           %6.1f MB   %6.1f MB    %5.2f                  %6.1f MB  %5.2f\n",
        median(formMemory), median(bareMemory), median(formMemory) / median(bareMemory), median(labelMemory),
        median(formMemory) / median(labelMemory));
    std::printf("click to 23 fields    %6.1f us   (goal < 1000 us)\n", click);
    return 0;
}
