#pragma once

#include "planning/catalogue_merge.h"
#include "planning/refusal.h"

#include <string>

namespace velmora::cli {

// A refusal in the command line's words: the option it is about first, how
// to give a figure nobody gave, where to list the names of equipment.
std::string refusalText(const planning::Refusal& refusal);

// What merging the catalogues noted, in the command line's words: "the
// camera 'X' of 'b.csv' replaces the one of the built-in catalogue".
std::string mergeNoteText(const planning::MergeNote& note);

} // namespace velmora::cli
