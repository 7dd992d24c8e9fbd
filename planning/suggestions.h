#pragma once

#include "exposure_plan.h"
#include "optics/equipment_catalogue.h"
#include "request.h"
#include "tonight.h"

#include <optional>
#include <vector>

namespace velmora::planning {

// An object --suggest offers; with a site and a date, what tonight gives
// it; with the exposure's figures, what it takes.
struct Suggestion {
    sky::TargetFraming framing;
    std::optional<Tonight::Glance> tonight;
    std::optional<TargetExposure> exposure;
};

// The objects that fit the chosen rig's field with the request's fill,
// leaving out those with fewer usable hours tonight than the request's
// least. In the request's order: the largest fill first; the most usable
// hours first (the usual order from a site on a date); or the fewest hours
// needed to the signal-to-noise asked first, those whose brightness is
// unknown last. Each order keeps the fill's among equals. An order the
// request cannot have (hours without a site and date, hours needed
// without the exposure's figures) throws Refusal.
std::vector<Suggestion> suggestTargets(
    const Request& request, const optics::EquipmentCatalogue& catalogue, const sky::DeepSkyCatalogue& deepSky);

} // namespace velmora::planning
