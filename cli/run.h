#pragma once

#include <iosfwd>

namespace velmora::cli {

// The whole of velmora-calc: parses the arguments, computes, writes to
// `out` and `err`, and returns the exit status (0 done, 1 a result could not
// be computed, 2 bad usage or input, with nothing on `out`).
int run(int argc, const char* const* argv, std::ostream& out, std::ostream& err);

} // namespace velmora::cli
