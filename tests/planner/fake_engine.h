#pragma once

#include "planner/planning_engine.h"
#include "planner/planning_session.h"
#include "presets/catalogue.h"

#include <memory>
#include <vector>

// A planning layer that answers every request with the answer it was given,
// and keeps what it was asked: a page is tested against known answers.
class FakeEngine final : public PlanningEngine {
public:
    PlanningAnswer next;
    std::vector<velmora::planning::Suggestion> suggestions;
    mutable std::vector<velmora::planning::Request> asked;
    mutable std::vector<velmora::planning::Request> searched;

    PlanningAnswer answer(const velmora::planning::Request& request) const override
    {
        asked.push_back(request);
        return next;
    }
    std::vector<velmora::planning::Suggestion> suggest(const velmora::planning::Request& request) const override
    {
        searched.push_back(request);
        return suggestions;
    }
    std::vector<std::string> targetNames() const override { return {"M31", "M42"}; }
    const velmora::optics::EquipmentCatalogue& equipment() const override { return equipment_; }
    void setEquipment(velmora::optics::EquipmentCatalogue catalogue) override { equipment_ = std::move(catalogue); }

private:
    velmora::optics::EquipmentCatalogue equipment_ = velmora::builtInCatalogue();
};

// A session over a fake engine, which the test keeps a hand on.
struct FakeSession {
    FakeEngine* engine = new FakeEngine;
    PlanningSession session {std::unique_ptr<PlanningEngine>(engine)};

    // The request the page wrote, once answered.
    const velmora::planning::Request& request()
    {
        session.update([](velmora::planning::Request&) {});
        session.settle();
        return engine->asked.back();
    }
    // Gives the pages `answer` as the answer to what they asked.
    void answer(PlanningAnswer answer)
    {
        engine->next = std::move(answer);
        session.update([](velmora::planning::Request&) {});
        session.settle();
    }
};

// The C8 with a camera, from a site on a date: the rig the pages' known
// answers are worked out for.
inline void c8At(velmora::planning::Request& r, const velmora::sky::GeoSite& site,
    const velmora::sky::UtcMoment& moment, const char* camera = "PhilipsVesta")
{
    r.telescope = "CelestronOTC8";
    r.camera = camera;
    r.date = moment;
    velmora::sky::Observation observation;
    observation.site = site;
    r.observation = observation;
}

// A known answer: the real planning layer's, for a request built by `build`.
// Its engine lives as long as the tests, as the answer points into its
// catalogues.
template <typename Build> PlanningAnswer knownAnswer(Build build)
{
    static const CatalogueEngine engine;
    velmora::planning::Request request;
    build(request);
    return engine.answer(request);
}
