#pragma once

#include <QObject>

#include <memory>

class QWidget;

namespace velmora::ui {

enum class PrintResult { Printed, NoPrinter, Failed, NoAnswer };

// How long a print may keep the user waiting for its outcome.
inline constexpr int kPrintAnswerMs = 10'000;

// One print of a window's area on the default printer. Everything that
// talks to the print system runs on a thread of its own, because a print
// server that accepts connections and never answers holds its caller for
// minutes; the window's thread only renders the area. finished() comes
// once, within kPrintAnswerMs: NoAnswer when the print system has not
// answered by then, and the print is then dropped.
class BackgroundPrint : public QObject {
    Q_OBJECT
public:
    BackgroundPrint(QWidget& area, QObject* parent);
    ~BackgroundPrint() override;
    void start();

signals:
    void finished(velmora::ui::PrintResult result);

private:
    struct Shared;
    static void talkToPrinter(std::shared_ptr<Shared> shared);
    void render(int dpi);
    void finish(PrintResult result);

    QWidget& area_;
    std::shared_ptr<Shared> shared_;
    bool finished_ = false;
};

} // namespace velmora::ui
