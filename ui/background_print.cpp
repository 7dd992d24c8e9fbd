#include "background_print.h"

#include "window_printer.h"

#include <QImage>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTimer>
#include <QWidget>

#include <condition_variable>
#include <mutex>
#include <optional>
#include <thread>

namespace velmora::ui {

// What the print thread and the window's thread share. `owner` is cleared,
// under the mutex, when the print is over or its object is gone; the print
// thread posts to the owner only while holding the mutex and seeing it set.
struct BackgroundPrint::Shared {
    std::mutex mutex;
    std::condition_variable pictureReady;
    BackgroundPrint* owner = nullptr;
    std::optional<QImage> picture;

    template <typename Step> void post(Step step)
    {
        const std::lock_guard lock(mutex);
        if (owner)
            QMetaObject::invokeMethod(
                owner, [owner = owner, step] { step(*owner); }, Qt::QueuedConnection);
    }
};

BackgroundPrint::BackgroundPrint(QWidget& area, QObject* parent) :
      QObject(parent), area_(area), shared_(std::make_shared<Shared>())
{
}

BackgroundPrint::~BackgroundPrint()
{
    {
        const std::lock_guard lock(shared_->mutex);
        shared_->owner = nullptr;
    }
    shared_->pictureReady.notify_all();
}

void BackgroundPrint::start()
{
    shared_->owner = this;
    // Detached: a thread held up by a silent print server must not hold up
    // the window, nor the program's end.
    std::thread(&BackgroundPrint::talkToPrinter, shared_).detach();
    QTimer::singleShot(kPrintAnswerMs, this, [this] { finish(PrintResult::NoAnswer); });
}

void BackgroundPrint::talkToPrinter(std::shared_ptr<Shared> shared)
{
    const QPrinterInfo defaultPrinter = QPrinterInfo::defaultPrinter();
    if (defaultPrinter.isNull()) {
        shared->post([](BackgroundPrint& print) { print.finish(PrintResult::NoPrinter); });
        return;
    }
    QPrinter printer(defaultPrinter, QPrinter::HighResolution);
    shared->post([dpi = printer.resolution()](BackgroundPrint& print) { print.render(dpi); });

    std::unique_lock lock(shared->mutex);
    shared->pictureReady.wait(lock, [&] { return shared->picture || !shared->owner; });
    if (!shared->owner)
        return;
    const QImage picture = std::move(*shared->picture);
    lock.unlock();
    const bool printed = printPicture(picture, printer);
    shared->post(
        [printed](BackgroundPrint& print) { print.finish(printed ? PrintResult::Printed : PrintResult::Failed); });
}

void BackgroundPrint::render(int dpi)
{
    if (finished_)
        return;
    QImage picture = renderForPrinter(area_, dpi);
    {
        const std::lock_guard lock(shared_->mutex);
        shared_->picture = std::move(picture);
    }
    shared_->pictureReady.notify_all();
}

void BackgroundPrint::finish(PrintResult result)
{
    if (finished_)
        return;
    finished_ = true;
    {
        const std::lock_guard lock(shared_->mutex);
        shared_->owner = nullptr;
    }
    shared_->pictureReady.notify_all();
    emit finished(result);
}

} // namespace velmora::ui
