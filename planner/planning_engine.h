#pragma once

#include "optics/equipment_catalogue.h"
#include "planning/computation.h"
#include "planning/night_chart.h"
#include "planning/refusal.h"
#include "planning/request.h"
#include "planning/suggestions.h"
#include "sky/deep_sky_catalogue.h"

#include <optional>
#include <string>
#include <vector>

// What the planner shows for a request: the computation, or why there is
// none, and the night's chart of what is framed.
struct PlanningAnswer {
    std::optional<velmora::planning::Computation> computation;
    std::optional<velmora::planning::Refusal> refusal;
    std::optional<velmora::planning::NightChart> chart;
};

// The planning layer as the planner asks it. The pages' tests put known
// answers in its place.
class PlanningEngine {
public:
    virtual ~PlanningEngine() = default;
    virtual PlanningAnswer answer(const velmora::planning::Request& request) const = 0;
    // Tonight's targets for the request, which holds the list's filters;
    // throws Refusal.
    virtual std::vector<velmora::planning::Suggestion> suggest(const velmora::planning::Request& request) const = 0;
    // The names an object may be asked for by, sorted.
    virtual std::vector<std::string> targetNames() const = 0;
    virtual const velmora::optics::EquipmentCatalogue& equipment() const = 0;
    virtual void setEquipment(velmora::optics::EquipmentCatalogue catalogue) = 0;
};

// The real one: the built-in equipment, with the user's files once read,
// and the shipped deep-sky catalogue.
class CatalogueEngine final : public PlanningEngine {
public:
    CatalogueEngine();

    PlanningAnswer answer(const velmora::planning::Request& request) const override;
    std::vector<velmora::planning::Suggestion> suggest(const velmora::planning::Request& request) const override;
    std::vector<std::string> targetNames() const override;
    const velmora::optics::EquipmentCatalogue& equipment() const override { return equipment_; }
    void setEquipment(velmora::optics::EquipmentCatalogue catalogue) override { equipment_ = std::move(catalogue); }

private:
    velmora::optics::EquipmentCatalogue equipment_;
    velmora::sky::DeepSkyCatalogue deepSky_;
};
