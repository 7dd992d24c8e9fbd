#include "suggestions.h"

#include "target_choice.h"
#include "train_choice.h"

#include <algorithm>

namespace velmora::planning {

std::vector<Suggestion> suggestTargets(
    const Request& request, const optics::EquipmentCatalogue& catalogue, const sky::DeepSkyCatalogue& deepSky)
{
    const sky::SkyField field = sky::skyFieldOf(chooseTrain(request, catalogue).train);
    requireFrameable(field, false);
    std::vector<Suggestion> suggestions;
    std::vector<sky::TargetFraming> framings = sky::suggestTargets(deepSky, field, request.suggestion);
    if (!request.observation || !request.date) {
        suggestions.reserve(framings.size());
        for (sky::TargetFraming& framing : framings)
            suggestions.push_back({std::move(framing), std::nullopt});
        return suggestions;
    }
    const Tonight tonight(*request.observation, *request.date);
    suggestions.reserve(framings.size());
    for (const sky::TargetFraming& framing : framings) {
        if (!framing.object->rightAscensionDeg)
            continue;
        const Tonight::Glance glance = tonight.glanceAt(*framing.object);
        if (glance.hours.usable.hours >= request.minHours)
            suggestions.push_back({framing, glance});
    }
    // The fill order stands among equal hours.
    std::ranges::stable_sort(
        suggestions, std::ranges::greater(), [](const Suggestion& s) { return s.tonight->hours.usable.hours; });
    return suggestions;
}

} // namespace velmora::planning
