#pragma once

#include <stdexcept>

namespace velmora::cli {

// Output that could not be written, or a system failure such as memory
// running out: one line on standard error, exit status 3.
struct OutputError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

} // namespace velmora::cli
