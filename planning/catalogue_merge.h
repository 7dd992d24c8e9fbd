#pragma once

#include "optics/equipment_catalogue.h"

#include <string>
#include <vector>

namespace velmora::planning {

// The built-in catalogue with user catalogues added in their order: a later
// file's entry replaces an earlier one of the same name. What deserves a
// word (a replaced entry, pixel sizes that disagree, a file with nothing
// usable) is added to `warnings`; a file that cannot be read throws Refusal.
optics::EquipmentCatalogue mergeCatalogues(const std::vector<std::string>& paths, std::vector<std::string>& warnings);

} // namespace velmora::planning
