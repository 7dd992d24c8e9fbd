#include "computation.h"

#include "refusal.h"
#include "target_choice.h"

#include <cmath>
#include <string>

namespace velmora::planning {

namespace {

void advise(Computation& computation, const Request& request)
{
    const auto pixelField = pixelFieldOf(computation.outcome);
    if (request.seeing && pixelField && *pixelField > 0) {
        computation.sampling = optics::adviseSampling(
            computation.chosen.train, *pixelField, *request.seeing, request.wavelength, *request.samplingRule);
    }
}

// The body the request pictures, checked: it must be in the series' years
// and, from a site, above the horizon.
std::optional<std::size_t> bodyToFrame(const Computation& computation, const Request& request)
{
    const sky::BodyFacts& body = *request.frame;
    if (!computation.sky)
        throw Refusal(Subject::Frame, Reason::NoPixelField);
    if (!sky::covers(body.body, request.date->year))
        throw Refusal(Subject::Frame, Reason::OutsideSeries, {double(request.date->year)});
    // A body is framed up or down: the site's figures say when it rises.
    const std::vector<sky::BodyView>& bodies = computation.sky->bodies;
    for (std::size_t i = 0; i < bodies.size(); ++i) {
        if (bodies[i].facts == &body)
            return i;
    }
    return std::nullopt;
}

// A sequence beyond this many frames is past any night's use, and past any
// capture program's list.
constexpr std::uint64_t kMostTilesListed = 10000;

std::vector<sky::MosaicTile> tilesOf(const sky::TargetFraming& framing)
{
    const sky::DeepSkyObject& object = *framing.object;
    if (!framing.mosaic || !object.rightAscensionDeg || framing.mosaic->frames() > kMostTilesListed)
        return {};
    return sky::mosaicTiles(*framing.mosaic, *object.rightAscensionDeg, *object.declinationDeg);
}

} // namespace

std::optional<double> resultValue(const Outcome& outcome, const Quantity* quantity)
{
    for (const Result& result : outcome.results) {
        if (result.quantity == quantity)
            return result.value;
    }
    return std::nullopt;
}

std::optional<double> pixelFieldOf(const Outcome& outcome)
{
    return resultValue(outcome, findQuantity("pixel_field"));
}

Computation computeRig(
    const Request& request, const optics::EquipmentCatalogue& catalogue, const sky::DeepSkyCatalogue* deepSky)
{
    std::optional<ChosenTarget> target;
    if (request.target)
        target = chooseTarget(*deepSky, *request.target);
    Computation computation {chooseTrain(request, catalogue), {}, {}, {}, {}, {}, {}, {}, {}, {}};
    const optics::OpticalTrain& train = computation.chosen.train;
    const sky::SkyField field = sky::skyFieldOf(train);
    if (target || request.frame)
        requireFrameable(train, target ? Subject::Target : Subject::Frame);
    computation.outcome = calculate(optics::engineInputs(train), ".");
    advise(computation, request);
    const auto pixelField = pixelFieldOf(computation.outcome);
    if (request.date && pixelField && *pixelField > 0) {
        computation.sky = sky::viewSky(train, *pixelField, *request.date, request.observation);
        if (request.observation) {
            const Tonight tonight(*request.observation, *request.date);
            computation.night = tonight.figures();
            if (target && target->object->rightAscensionDeg)
                computation.targetTonight = tonight.target(
                    *target->object, *pixelField, std::hypot(train.effectiveWidth(), train.effectiveHeight()) / 2);
        }
    }
    if (target) {
        computation.target = frameTarget(*target, field, request.overlap);
        computation.tiles = tilesOf(*computation.target);
    }
    if (request.exposure && pixelField && *pixelField > 0) {
        const ExposurePlan plan(*request.exposure, request.band, train);
        const auto& tonight = computation.targetTonight;
        computation.exposure =
            plan.withTarget(target ? target->object : nullptr, target ? &computation.target->shape.outline : nullptr,
                tonight ? std::optional(tonight->hours.usable.hours) : std::nullopt);
    }
    if (request.frame)
        computation.framedBody = bodyToFrame(computation, request);
    return computation;
}

Computation computeCatalogueRig(
    const optics::Telescope& telescope, const optics::Camera& camera, const Request& request)
{
    Computation computation {};
    computation.chosen.train = trainOf(telescope, camera, request);
    computation.chosen.telescope = telescope.name;
    computation.chosen.camera = camera.name;
    computation.outcome = calculateValues(optics::engineInputs(computation.chosen.train));
    advise(computation, request);
    return computation;
}

} // namespace velmora::planning
