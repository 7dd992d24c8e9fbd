#include "device_write.h"
#include "file_replacement.h"

#include <fcntl.h>
#include <poll.h>
#include <pthread.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstring>
#include <ctime>

namespace velmora::files {

namespace {

constexpr std::chrono::milliseconds kLongestWait(1000);

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

// An error number's words, or the reader's absence when there is none.
[[noreturn]] void fail(int error)
{
    throw WriteError(error ? std::strerror(error) : "nobody read it in time");
}

void writeAll(int fd, std::string_view contents)
{
    const SigpipeHeldBack heldBack;
    const auto deadline = std::chrono::steady_clock::now() + kLongestWait;
    std::size_t done = 0;
    while (done < contents.size()) {
        const ssize_t written = ::write(fd, contents.data() + done, contents.size() - done);
        if (written > 0) {
            done += static_cast<std::size_t>(written);
        } else if (written < 0 && errno == EAGAIN) {
            pollfd ready {fd, POLLOUT, 0};
            const auto left =
                std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
            if (left.count() <= 0 || ::poll(&ready, 1, static_cast<int>(left.count())) <= 0)
                fail(0);
            if (ready.revents & (POLLERR | POLLHUP))
                fail(EPIPE);
        } else if (!(written < 0 && errno == EINTR)) {
            fail(written < 0 ? errno : EIO);
        }
    }
}

} // namespace

void writeToDevice(const std::string& path, std::string_view contents)
{
    // Opening without blocking: a FIFO with no reader fails at once (ENXIO)
    // instead of waiting for one.
    const int fd = ::open(path.c_str(), O_WRONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        fail(errno);
    try {
        writeAll(fd, contents);
    } catch (const WriteError&) {
        ::close(fd);
        throw;
    }
    if (::close(fd) != 0)
        fail(errno);
}

} // namespace velmora::files
