#include "computation.h"

#include "strict_number.h"
#include "train_from_request.h"
#include "usage_error.h"

#include <algorithm>
#include <limits>

namespace velmora::cli {

namespace {

std::optional<double> resultValue(const Computation& computation, std::string_view id)
{
    for (const Result& result : computation.outcome.results) {
        if (result.quantity->id == id)
            return result.value;
    }
    return std::nullopt;
}

} // namespace

SamplingRequest samplingRequestOf(const Request& request)
{
    SamplingRequest sampling {};
    if (request.seeing)
        sampling.seeing = positiveNumber(*request.seeing, "--seeing");
    sampling.wavelength = positiveNumber(request.wavelength, "--wavelength");
    sampling.rule = findSamplingRule(request.samplingRule);
    if (!sampling.rule)
        throw UsageError("--sampling-rule: no rule named '" + request.samplingRule + "'");
    return sampling;
}

namespace {

Computation computeOutcome(const OpticalTrain& train, Outcome outcome, const SamplingRequest& sampling)
{
    Computation computation {{}, {}, train, std::move(outcome), std::nullopt, std::nullopt};
    const auto pixelField = resultValue(computation, "pixel_field");
    if (sampling.seeing && pixelField && *pixelField > 0)
        computation.sampling = adviseSampling(train, *pixelField, *sampling.seeing, sampling.wavelength, *sampling.rule);
    return computation;
}

} // namespace

std::optional<double> pixelFieldOf(const Computation& computation)
{
    return resultValue(computation, "pixel_field");
}

Computation compute(const OpticalTrain& train, const SamplingRequest& sampling)
{
    return computeOutcome(train, calculate(engineInputs(train), "."), sampling);
}

std::vector<Computation> sweep(const EquipmentCatalogue& catalogue, const Request& request)
{
    if (!request.sortBy.empty() && !findQuantity(request.sortBy))
        throw UsageError("--sort-by: '" + request.sortBy + "' is not a result id (see --format json)");
    const SamplingRequest sampling = samplingRequestOf(request);
    const double barlow = barlowOf(request);
    const int binning = binningOf(request);

    std::vector<Computation> rows;
    rows.reserve(catalogue.telescopes.size() * catalogue.cameras.size());
    for (const TelescopeEntry& telescope : catalogue.telescopes) {
        for (const CameraEntry& camera : catalogue.cameras) {
            const OpticalTrain train {telescope.aperture, telescope.focalLength, camera.pixelSize, camera.width,
                camera.height, barlow, binning};
            // The table shows numbers only: no result texts.
            rows.push_back(computeOutcome(train, calculateValues(engineInputs(train)), sampling));
            rows.back().telescope = telescope.name;
            rows.back().camera = camera.name;
        }
    }
    if (!request.sortBy.empty()) {
        const auto key = [&](const Computation& row) {
            return resultValue(row, request.sortBy).value_or(std::numeric_limits<double>::infinity());
        };
        std::ranges::stable_sort(rows, {}, key);
    }
    return rows;
}

} // namespace velmora::cli
