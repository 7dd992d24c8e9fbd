#pragma once

#include "sky/deep_sky_catalogue.h"

#include <string>
#include <vector>

namespace velmora::planning {

// The names people search the catalogue by, each once, sorted: Messier
// numbers ("M31"), NGC and IC numbers as written ("NGC 224", "IC 434"),
// the catalogue's own for the others ("B33") and common names ("Andromeda
// Galaxy"). Duplicate entries are left out.
std::vector<std::string> targetNames(const sky::DeepSkyCatalogue& catalogue);

} // namespace velmora::planning
