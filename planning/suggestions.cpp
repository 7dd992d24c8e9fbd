#include "suggestions.h"

#include "refusal.h"
#include "target_choice.h"
#include "train_choice.h"

#include <algorithm>
#include <limits>

namespace velmora::planning {

namespace {

SuggestionRank rankOf(const Request& request, bool tonight)
{
    const SuggestionRank rank = request.rankBy.value_or(tonight ? SuggestionRank::UsableHours : SuggestionRank::Fill);
    if (rank == SuggestionRank::UsableHours && !tonight)
        throw Refusal(Subject::RankBy, Reason::NeedsSiteAndDate);
    if (rank == SuggestionRank::HoursNeeded && !request.exposure)
        throw Refusal(Subject::RankBy, Reason::NeedsExposure);
    return rank;
}

// The order among suggestions already in fill order.
void rank(std::vector<Suggestion>& suggestions, SuggestionRank rank)
{
    if (rank == SuggestionRank::UsableHours)
        std::ranges::stable_sort(
            suggestions, std::ranges::greater(), [](const Suggestion& s) { return s.tonight->hours.usable.hours; });
    if (rank == SuggestionRank::HoursNeeded)
        std::ranges::stable_sort(suggestions, {}, [](const Suggestion& s) {
            return s.exposure && s.exposure->hours ? *s.exposure->hours : std::numeric_limits<double>::infinity();
        });
}

} // namespace

std::vector<Suggestion> suggestTargets(
    const Request& request, const optics::EquipmentCatalogue& catalogue, const sky::DeepSkyCatalogue& deepSky)
{
    const optics::OpticalTrain train = chooseTrain(request, catalogue).train;
    const sky::SkyField field = sky::skyFieldOf(train);
    requireFrameable(train, Subject::Suggest);
    const bool fromSite = request.observation && request.date;
    const SuggestionRank order = rankOf(request, fromSite);
    std::optional<ExposurePlan> plan;
    if (request.exposure)
        plan.emplace(*request.exposure, request.band, train);
    std::optional<Tonight> tonight;
    if (fromSite)
        tonight.emplace(*request.observation, *request.date);

    std::vector<Suggestion> suggestions;
    std::vector<sky::TargetFraming> framings = sky::suggestTargets(deepSky, field, request.suggestion);
    suggestions.reserve(framings.size());
    for (sky::TargetFraming& framing : framings) {
        Suggestion suggestion {std::move(framing), std::nullopt, std::nullopt};
        if (tonight) {
            if (!suggestion.framing.object->rightAscensionDeg)
                continue;
            suggestion.tonight = tonight->glanceAt(*suggestion.framing.object);
            if (suggestion.tonight->hours.usable.hours < request.minHours)
                continue;
        }
        if (plan)
            suggestion.exposure = plan->target(suggestion.framing.object, &suggestion.framing.shape.outline,
                suggestion.tonight ? std::optional(suggestion.tonight->hours.usable.hours) : std::nullopt);
        suggestions.push_back(std::move(suggestion));
    }
    rank(suggestions, order);
    return suggestions;
}

} // namespace velmora::planning
