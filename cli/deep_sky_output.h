#pragma once

#include "options.h"
#include "planning/rig_ranking.h"

#include <iosfwd>
#include <vector>

namespace velmora::cli {

// The rigs ranked for one target, one row each.
void writeRigRanking(std::ostream& out, const std::vector<planning::RigFraming>& rigs, Format format);

// The objects --suggest offers, one row each.
void writeSuggestions(std::ostream& out, const std::vector<sky::TargetFraming>& framings, Format format);

} // namespace velmora::cli
