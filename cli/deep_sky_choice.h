#pragma once

#include "optics/equipment_catalogue.h"
#include "options.h"
#include "sky/target_framing.h"

#include <string>
#include <vector>

namespace velmora::cli {

// The deep-sky catalogue the program ships; a missing or damaged file
// throws InputError naming it.
sky::DeepSkyCatalogue loadDeepSky();

// The object --target names, with the outline it is framed by. An unknown
// name (with the closest names) or an object without a size throws UsageError.
struct ChosenTarget {
    const sky::DeepSkyObject* object;
    sky::CatalogueOutline shape;
};
ChosenTarget chooseTarget(const sky::DeepSkyCatalogue& catalogue, const std::string& name);

// One telescope and camera framing the target.
struct RigFraming {
    const optics::Telescope* telescope;
    const optics::Camera* camera;
    sky::TargetFraming framing;
};

// Every telescope with every camera of the catalogue (with the options'
// barlow and binning) framing the target, the best first.
std::vector<RigFraming> rankRigs(
    const optics::EquipmentCatalogue& catalogue, const Options& options, const ChosenTarget& target);

} // namespace velmora::cli
