#pragma once

#include "options.h"
#include "planning/rig_ranking.h"
#include "planning/suggestions.h"

#include <iosfwd>
#include <vector>

namespace velmora::cli {

// The rigs ranked for one target, one row each.
void writeRigRanking(std::ostream& out, const std::vector<planning::RigFraming>& rigs, Style style);

// The objects --suggest offers, one row each; with `tonight`, with
// tonight's figures; with `exposure`, with the hours each needs.
void writeSuggestions(
    std::ostream& out, const std::vector<planning::Suggestion>& suggestions, bool tonight, bool exposure, Style style);

} // namespace velmora::cli
