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
    const std::vector<sky::TargetFraming> framings = sky::suggestTargets(deepSky, field, request.suggestion);
    if (!request.observation || !request.date) {
        for (const sky::TargetFraming& framing : framings)
            suggestions.push_back({framing, std::nullopt});
        return suggestions;
    }
    const Tonight tonight(*request.observation, *request.date);
    for (const sky::TargetFraming& framing : framings) {
        const sky::DeepSkyObject& object = *framing.object;
        if (!object.rightAscensionDeg)
            continue;
        const sky::TargetNight hours = tonight.hoursOf(object);
        if (hours.usable.hours < request.minHours)
            continue;
        const Tonight::Transit transit = tonight.transitOf(object);
        suggestions.push_back(
            {framing, Suggestion::Tonight {hours, transit.julianDay, transit.altitude, tonight.moonSeparationOf(object)}});
    }
    // The fill order stands among equal hours.
    std::ranges::stable_sort(suggestions, std::ranges::greater(),
        [](const Suggestion& s) { return s.tonight->hours.usable.hours; });
    return suggestions;
}

} // namespace velmora::planning
