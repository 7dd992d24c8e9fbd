#pragma once

#include <iosfwd>

namespace velmora::cli {

// The exit statuses of velmora-calc.
enum ExitStatus : int {
    kDone = 0,
    kNotComputed = 1, // a result could not be computed; those before it are printed
    kBadInput = 2, // bad usage or input; nothing on standard output
    kOutputFailed = 3, // the output could not be written, or the system failed
};

// The whole of velmora-calc: parses the arguments, computes, writes to
// `out` and `err`, and returns the exit status.
int run(int argc, const char* const* argv, std::ostream& out, std::ostream& err);

} // namespace velmora::cli
