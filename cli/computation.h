#pragma once

#include "calc/calculation.h"
#include "equipment_catalogue.h"
#include "optical_train.h"
#include "request.h"
#include "sampling.h"
#include "sky.h"

#include <optional>
#include <string>
#include <vector>

namespace velmora::cli {

// One telescope with one camera, computed.
struct Computation {
    std::string telescope; // catalogue names, empty when not from the catalogue
    std::string camera;
    OpticalTrain train;
    Outcome outcome; // texts with "." as the separator, except in a sweep
    std::optional<SamplingAdvice> sampling; // with --seeing, when the pixel field was computed
    std::optional<SkyView> sky; // with --date, when the pixel field was computed
};

// What a request asks about sampling: the seeing, the wavelength and the
// rule, checked; no seeing when none was given.
struct SamplingRequest {
    std::optional<double> seeing;
    double wavelength;
    const SamplingRule* rule;
};
SamplingRequest samplingRequestOf(const Request& request);

Computation compute(const OpticalTrain& train, const SamplingRequest& sampling);

// The engine's pixel field of a computation, when it got that far.
std::optional<double> pixelFieldOf(const Computation& computation);

// Every telescope with every camera of the catalogue, with the request's
// barlow and binning, in catalogue order or sorted by a result id
// (ascending; rows without that result last).
std::vector<Computation> sweep(const EquipmentCatalogue& catalogue, const Request& request);

} // namespace velmora::cli
