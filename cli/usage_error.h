#pragma once

#include <stdexcept>

namespace velmora::cli {

// Bad input from the command line or a file it names: reported in one line
// on standard error, with exit status 2 and nothing on standard output.
struct UsageError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

} // namespace velmora::cli
