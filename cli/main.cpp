#include "run.h"

#include <unistd.h>

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
    std::ios::sync_with_stdio(false); // the standard streams alone write
    return velmora::cli::run(argc, argv, std::cout, std::cerr);
}
