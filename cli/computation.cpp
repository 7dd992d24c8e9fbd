#include "computation.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace velmora::cli {

namespace {

std::optional<double> resultValue(const Outcome& outcome, const Quantity* quantity)
{
    for (const Result& result : outcome.results) {
        if (result.quantity == quantity)
            return result.value;
    }
    return std::nullopt;
}

void advise(Computation& computation, const Options& options)
{
    const auto pixelField = pixelFieldOf(computation.outcome);
    if (options.seeing && pixelField && *pixelField > 0) {
        computation.sampling = optics::adviseSampling(
            computation.chosen.train, *pixelField, *options.seeing, options.wavelength, *options.samplingRule);
    }
}

Computation computeValues(const optics::Telescope& telescope, const optics::Camera& camera, const Options& options)
{
    Computation computation {};
    computation.chosen.train = {telescope.aperture, telescope.focalLength, camera.pixelSize, camera.width,
        camera.height, options.barlow, options.binning.value_or(1)};
    computation.chosen.telescope = telescope.name;
    computation.chosen.camera = camera.name;
    // The table shows numbers only: no result texts.
    computation.outcome = calculateValues(optics::engineInputs(computation.chosen.train));
    advise(computation, options);
    return computation;
}

} // namespace

std::optional<double> pixelFieldOf(const Outcome& outcome)
{
    return resultValue(outcome, findQuantity("pixel_field"));
}

Computation compute(const ChosenTrain& chosen, const Options& options)
{
    Computation computation {chosen, calculate(optics::engineInputs(chosen.train), "."), std::nullopt, std::nullopt};
    advise(computation, options);
    const auto pixelField = pixelFieldOf(computation.outcome);
    if (options.date && pixelField && *pixelField > 0)
        computation.sky = sky::viewSky(chosen.train, *pixelField, *options.date);
    return computation;
}

void sweep(const optics::EquipmentCatalogue& catalogue, const Options& options,
    const std::function<void(const Computation&)>& row)
{
    const auto& telescopes = catalogue.telescopes.items();
    const auto& cameras = catalogue.cameras.items();
    if (!options.sortBy) {
        for (const optics::Telescope& telescope : telescopes) {
            for (const optics::Camera& camera : cameras)
                row(computeValues(telescope, camera, options));
        }
        return;
    }
    struct Key {
        double value;
        std::uint32_t telescope;
        std::uint32_t camera;
    };
    std::vector<Key> keys;
    keys.reserve(telescopes.size() * cameras.size());
    for (std::uint32_t t = 0; t < telescopes.size(); ++t) {
        for (std::uint32_t c = 0; c < cameras.size(); ++c) {
            const Computation computed = computeValues(telescopes[t], cameras[c], options);
            keys.push_back(
                {resultValue(computed.outcome, options.sortBy).value_or(std::numeric_limits<double>::infinity()), t,
                    c});
        }
    }
    std::ranges::stable_sort(keys, {}, &Key::value);
    for (const Key& key : keys)
        row(computeValues(telescopes[key.telescope], cameras[key.camera], options));
}

} // namespace velmora::cli
