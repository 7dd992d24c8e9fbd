#pragma once

#include "optics/equipment_catalogue.h"
#include "request.h"
#include "sky/target_framing.h"

#include <cstddef>
#include <vector>

namespace velmora::planning {

// One telescope and camera framing the target.
struct RigFraming {
    const optics::Telescope* telescope;
    const optics::Camera* camera;
    sky::TargetFraming framing;
};

// The rigs that frame a target, the best first, and how many were skipped
// because their camera keeps no whole binned pixel.
struct RigRanking {
    std::vector<RigFraming> rigs;
    std::size_t skipped;
};

// Every telescope with every camera of the catalogue (with the request's
// barlow and binning) framing the request's target.
RigRanking rankRigs(
    const Request& request, const optics::EquipmentCatalogue& catalogue, const sky::DeepSkyCatalogue& deepSky);

} // namespace velmora::planning
