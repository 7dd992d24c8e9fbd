#pragma once

#include "planning/refusal.h"

#include <string>

namespace velmora::cli {

// A refusal in the command line's words: the option it is about first, how
// to give a figure nobody gave, where to list the names of equipment.
std::string refusalText(const planning::Refusal& refusal);

} // namespace velmora::cli
