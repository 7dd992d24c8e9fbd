#include "planning_engine.h"

#include "planning/target_choice.h"
#include "planning/target_names.h"
#include "presets/catalogue.h"

using velmora::planning::Request;

CatalogueEngine::CatalogueEngine() : equipment_(velmora::builtInCatalogue()), deepSky_(velmora::planning::loadDeepSky())
{
}

PlanningAnswer CatalogueEngine::answer(const Request& request) const
{
    PlanningAnswer answer;
    try {
        answer.computation = velmora::planning::computeRig(request, equipment_, &deepSky_);
    } catch (const velmora::planning::Refusal& refusal) {
        answer.refusal = refusal;
        return answer;
    }
    const velmora::planning::Computation& c = *answer.computation;
    if (!request.observation || !request.date)
        return answer;
    if (c.framedBody)
        answer.chart =
            velmora::planning::nightChart(*request.observation, *request.date, *c.sky->bodies[*c.framedBody].facts);
    else if (c.target && c.target->object->rightAscensionDeg)
        answer.chart = velmora::planning::nightChart(*request.observation, *request.date, c.target->object);
    return answer;
}

std::vector<velmora::planning::Suggestion> CatalogueEngine::suggest(const Request& request) const
{
    return velmora::planning::suggestTargets(request, equipment_, deepSky_);
}

std::vector<std::string> CatalogueEngine::targetNames() const
{
    return velmora::planning::targetNames(deepSky_);
}
