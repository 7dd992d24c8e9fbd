#pragma once

#include "calc/calculation.h"
#include "exposure_plan.h"
#include "optics/sampling.h"
#include "request.h"
#include "sky/bodies.h"
#include "sky/mosaic_tiles.h"
#include "tonight.h"
#include "train_choice.h"

#include <cstddef>
#include <optional>
#include <vector>

namespace velmora::planning {

// One telescope with one camera, computed.
struct Computation {
    ChosenTrain chosen;
    Outcome outcome; // texts with "." as the separator, none in a sweep
    std::optional<optics::SamplingAdvice> sampling; // with a seeing, when the pixel field was computed
    std::optional<sky::SkyView> sky; // with a date, when the pixel field was computed
    std::optional<sky::TargetFraming> target; // with a target
    std::optional<std::size_t> framedBody; // the body to picture on the sensor, in sky->bodies
    std::optional<NightFigures> night; // with a date and a site
    std::optional<TargetTonight> targetTonight; // the target from the site, when it has a place
    std::vector<sky::MosaicTile>
        tiles; // of the target's mosaic, when it has a place and one a capture program can take
    std::optional<ExposureFigures> exposure; // with any figure of the exposure, when the pixel field was computed
};

// One rig answered whole: the train chosen from the catalogue, the file
// header and the request's figures, the results, the sampling advice, the
// bodies on the date, the target framed, its exposure and the body to
// picture checked.
// `deepSky` is needed when the request names a target. Whatever the
// request cannot have throws Refusal, before anything is answered.
Computation computeRig(
    const Request& request, const optics::EquipmentCatalogue& catalogue, const sky::DeepSkyCatalogue* deepSky);

// A catalogue telescope with a catalogue camera, as a sweep shows it: the
// results' numbers, no texts, and the sampling advice.
Computation computeCatalogueRig(
    const optics::Telescope& telescope, const optics::Camera& camera, const Request& request);

// The engine's pixel field of a computation, when it got that far.
std::optional<double> pixelFieldOf(const Outcome& outcome);

// A result's value, by its quantity; none when it was not computed.
std::optional<double> resultValue(const Outcome& outcome, const Quantity* quantity);

} // namespace velmora::planning
