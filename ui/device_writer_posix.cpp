#include "device_writer.h"

#include <QDeadlineTimer>
#include <QFile>

#include <cerrno>
#include <csignal>
#include <ctime>
#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

namespace velmora::ui {

namespace {

constexpr int kLongestWaitMs = 1000;

// A write into a pipe whose reader has gone raises SIGPIPE, which would end
// the program. The signal is held back on this thread while the write runs,
// and one the write raised is taken back before the mask is restored, so the
// write only fails, with EPIPE.
class SigpipeHeldBack {
public:
    SigpipeHeldBack()
    {
        sigemptyset(&pipe_);
        sigaddset(&pipe_, SIGPIPE);
        sigset_t pending;
        sigpending(&pending);
        alreadyPending_ = sigismember(&pending, SIGPIPE) == 1;
        pthread_sigmask(SIG_BLOCK, &pipe_, &previous_);
    }
    ~SigpipeHeldBack()
    {
        sigset_t pending;
        sigpending(&pending);
        if (!alreadyPending_ && sigismember(&pending, SIGPIPE) == 1) {
            const timespec now {};
            while (sigtimedwait(&pipe_, nullptr, &now) == -1 && errno == EINTR) { }
        }
        pthread_sigmask(SIG_SETMASK, &previous_, nullptr);
    }
    SigpipeHeldBack(const SigpipeHeldBack&) = delete;
    SigpipeHeldBack& operator=(const SigpipeHeldBack&) = delete;

private:
    sigset_t pipe_ {};
    sigset_t previous_ {};
    bool alreadyPending_ = false;
};

bool writeAll(int fd, const QByteArray& bytes)
{
    const SigpipeHeldBack heldBack;
    const QDeadlineTimer deadline(kLongestWaitMs);
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t written = ::write(fd, bytes.constData() + done, static_cast<size_t>(bytes.size() - done));
        if (written > 0) {
            done += written;
        } else if (written < 0 && errno == EAGAIN) {
            pollfd ready {fd, POLLOUT, 0};
            const auto left = static_cast<int>(deadline.remainingTime());
            if (left <= 0 || ::poll(&ready, 1, left) <= 0 || (ready.revents & (POLLERR | POLLHUP)))
                return false;
        } else if (!(written < 0 && errno == EINTR)) {
            return false;
        }
    }
    return true;
}

} // namespace

bool writeToDevice(const QString& path, const QByteArray& bytes)
{
    // Opening without blocking: a FIFO with no reader fails at once (ENXIO)
    // instead of waiting for one.
    const int fd = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool written = writeAll(fd, bytes);
    return ::close(fd) == 0 && written;
}

} // namespace velmora::ui
