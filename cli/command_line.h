#pragma once

#include "request.h"

#include <iosfwd>
#include <variant>

namespace velmora::cli {

// The request, or, after --help or --version has been printed to `out`,
// the exit status. A malformed command line throws UsageError.
std::variant<Request, int> parseCommandLine(int argc, const char* const* argv, std::ostream& out);

} // namespace velmora::cli
