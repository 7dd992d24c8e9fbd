#pragma once

#include "options.h"
#include "planning/computation.h"

#include <iosfwd>

namespace velmora::cli {

// One computation in the chosen format: the train, the results, and the
// sampling advice and bodies when they were asked for. Text reads in a
// person's order (the bodies outward from the Sun, each one's nearest and
// farthest together); JSON and CSV keep the engine's step order.
void writeComputation(std::ostream& out, const planning::Computation& computation, Style style);

} // namespace velmora::cli
