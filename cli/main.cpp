#include "run.h"

#include <unistd.h>

#include <csignal>
#include <cstdlib>
#include <exception>
#include <iostream>
#include <new>
#include <string_view>

namespace {

// The last word when an exception escapes where none may, such as memory
// running out while the standard streams start or while an error is being
// reported: one line written without allocating, and the failure status.
[[noreturn]] void reportEscapedException()
{
    std::string_view line = "velmora-calc: internal error\n";
    try {
        if (const std::exception_ptr escaped = std::current_exception())
            std::rethrow_exception(escaped);
    } catch (const std::bad_alloc&) {
        line = "velmora-calc: out of memory\n";
    } catch (...) {
    }
    [[maybe_unused]] const auto written = write(STDERR_FILENO, line.data(), line.size());
    std::_Exit(velmora::cli::kOutputFailed);
}

} // namespace

int main(int argc, char* argv[])
{
    std::set_terminate(reportEscapedException);
    // A closed pipe or a file-size limit fails the write, which is then
    // reported with the output-failure status, rather than end the process
    // without a word (and, past the size limit, with a temporary file left).
    std::signal(SIGPIPE, SIG_IGN);
    std::signal(SIGXFSZ, SIG_IGN);
    std::ios::sync_with_stdio(false); // the standard streams alone write
    return velmora::cli::run(argc, argv, std::cout, std::cerr);
}
