#pragma once

#include "optics/equipment_catalogue.h"

#include <functional>
#include <string>
#include <vector>

namespace velmora::planning {

// The built-in catalogue with user catalogues added in their order: a later
// file's entry replaces an earlier one of the same name. What deserves a
// word (a replaced entry, pixel sizes that disagree, a file with nothing
// usable) is passed to `warn` as it is found, so that what came before a
// file that cannot be read (which throws Refusal) is still said.
optics::EquipmentCatalogue mergeCatalogues(
    const std::vector<std::string>& paths, const std::function<void(const std::string&)>& warn);

} // namespace velmora::planning
