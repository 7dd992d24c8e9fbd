#pragma once

#include "optics/equipment_catalogue.h"
#include "request.h"
#include "tonight.h"

#include <optional>
#include <vector>

namespace velmora::planning {

// An object --suggest offers; with a site and a date, what tonight gives it.
struct Suggestion {
    sky::TargetFraming framing;
    std::optional<Tonight::Glance> tonight;
};

// The objects that fit the chosen rig's field with the request's fill:
// largest fill first or, from a site on a date, the most usable hours
// first (then the largest fill), leaving out those with fewer than the
// request's least hours.
std::vector<Suggestion> suggestTargets(
    const Request& request, const optics::EquipmentCatalogue& catalogue, const sky::DeepSkyCatalogue& deepSky);

} // namespace velmora::planning
