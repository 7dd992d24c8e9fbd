#pragma once

#include <stdexcept>
#include <string>

namespace velmora::cli {

// A command line that cannot be followed: reported in one line on standard
// error, with exit status 2 and nothing on standard output.
struct UsageError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

} // namespace velmora::cli
