#pragma once

#include "deep_sky_choice.h"
#include "options.h"

#include <iosfwd>
#include <vector>

namespace velmora::cli {

// The rigs ranked for one target, one row each.
void writeRigRanking(std::ostream& out, const std::vector<RigFraming>& rigs, Format format);

// The objects --suggest offers, one row each.
void writeSuggestions(std::ostream& out, const std::vector<sky::TargetFraming>& framings, Format format);

} // namespace velmora::cli
