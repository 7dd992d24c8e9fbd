#pragma once

#include "refusal.h"
#include "sky/target_framing.h"

#include <string>

namespace velmora::planning {

// The deep-sky catalogue the program ships; a missing or damaged file
// throws InputError naming it.
sky::DeepSkyCatalogue loadDeepSky();
// The catalogue to look one name up in: the object alone, found through the
// index built with the shipped files, or the whole catalogue where the
// index cannot say (and the refusal needs the names near a misspelt one).
sky::DeepSkyCatalogue loadDeepSkyFor(const std::string& name);

// The object a request names, with the outline it is framed by. An unknown
// name (with the closest names) or an object without a size throws Refusal.
struct ChosenTarget {
    const sky::DeepSkyObject* object;
    sky::CatalogueOutline shape;
};
ChosenTarget chooseTarget(const sky::DeepSkyCatalogue& catalogue, const std::string& name);

// The target on a field, its mosaic's frames overlapping by `overlap`, a
// share of a frame; an overlap outside the accepted ones throws Refusal.
sky::TargetFraming frameTarget(const ChosenTarget& target, const sky::SkyField& field, double overlap);

// A rig a target, a body or a suggestion (`subject`) can be framed on:
// one whose chip or field is not a positive finite size throws Refusal.
void requireFrameable(const optics::OpticalTrain& train, Subject subject);

} // namespace velmora::planning
