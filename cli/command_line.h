#pragma once

#include "options.h"

#include <iosfwd>
#include <variant>

namespace velmora::cli {

// The options, or, after --help or --version has been printed to `out`,
// the exit status. A malformed command line throws UsageError.
std::variant<Options, int> parseCommandLine(int argc, const char* const* argv, std::ostream& out);

} // namespace velmora::cli
