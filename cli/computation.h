#pragma once

#include "calc/calculation.h"
#include "equipment_choice.h"
#include "optics/sampling.h"
#include "options.h"
#include "sky/bodies.h"

#include <functional>
#include <optional>

namespace velmora::cli {

// One telescope with one camera, computed.
struct Computation {
    ChosenTrain chosen;
    Outcome outcome; // texts with "." as the separator, none in a sweep
    std::optional<optics::SamplingAdvice> sampling; // with --seeing, when the pixel field was computed
    std::optional<sky::SkyView> sky; // with --date, when the pixel field was computed
};

Computation compute(const ChosenTrain& chosen, const Options& options);

// The engine's pixel field of a computation, when it got that far.
std::optional<double> pixelFieldOf(const Outcome& outcome);

// Every telescope with every camera of the catalogue, with the options'
// barlow and binning, handed to `row` one at a time in catalogue order, or
// sorted by the --sort-by result (ascending; rows without it last). Only
// the sort keys are kept, so that a sweep of any size runs in little memory.
void sweep(const optics::EquipmentCatalogue& catalogue, const Options& options,
    const std::function<void(const Computation&)>& row);

} // namespace velmora::cli
