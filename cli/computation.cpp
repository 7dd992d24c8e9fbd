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
    computation.chosen.train = trainOf(telescope, camera, options);
    computation.chosen.telescope = telescope.name;
    computation.chosen.camera = camera.name;
    // The table shows numbers only: no result texts.
    computation.outcome = calculateValues(optics::engineInputs(computation.chosen.train));
    advise(computation, options);
    return computation;
}

} // namespace

optics::OpticalTrain trainOf(const optics::Telescope& telescope, const optics::Camera& camera, const Options& options)
{
    return {telescope.aperture, telescope.focalLength, camera.pixelSize, camera.width, camera.height, options.barlow,
        options.binning.value_or(1), camera.pixelHeight};
}

std::optional<double> pixelFieldOf(const Outcome& outcome)
{
    return resultValue(outcome, findQuantity("pixel_field"));
}

Computation compute(const ChosenTrain& chosen, const Options& options)
{
    Computation computation {
        chosen, calculate(optics::engineInputs(chosen.train), "."), std::nullopt, std::nullopt, std::nullopt};
    advise(computation, options);
    const auto pixelField = pixelFieldOf(computation.outcome);
    if (options.date && pixelField && *pixelField > 0)
        computation.sky = sky::viewSky(chosen.train, *pixelField, *options.date, options.observation);
    return computation;
}

Sweep::Sweep(const optics::EquipmentCatalogue& catalogue, const Options& options) :
      telescopes_(catalogue.telescopes.items()), cameras_(catalogue.cameras.items()), options_(options)
{
    const optics::Telescope any {"", 1, 1}; // the binning's rule is the camera's alone
    for (std::uint32_t c = 0; c < cameras_.size(); ++c) {
        if (trainOf(any, cameras_[c], options).hasWholeBinnedPixel())
            usable_.push_back(c);
    }
    if (!options.sortBy)
        return;
    // The run stops at the sort key's own step: what comes after it is not needed to rank.
    std::vector<std::pair<double, Pair>> keys;
    keys.reserve(size());
    for (std::uint32_t t = 0; t < telescopes_.size(); ++t) {
        for (const std::uint32_t c : usable_) {
            const optics::OpticalTrain train = trainOf(telescopes_[t], cameras_[c], options);
            const Outcome outcome = calculateValues(optics::engineInputs(train), options.sortBy);
            keys.push_back(
                {resultValue(outcome, options.sortBy).value_or(std::numeric_limits<double>::infinity()), {t, c}});
        }
    }
    std::ranges::stable_sort(keys, {}, &std::pair<double, Pair>::first);
    sorted_.reserve(keys.size());
    for (const auto& key : keys)
        sorted_.push_back(key.second);
}

std::size_t Sweep::size() const
{
    return telescopes_.size() * usable_.size();
}

Sweep::Pair Sweep::pairAt(std::size_t index) const
{
    if (!sorted_.empty())
        return sorted_[index];
    return {static_cast<std::uint32_t>(index / usable_.size()), usable_[index % usable_.size()]};
}

Computation Sweep::row(std::size_t index) const
{
    const Pair pair = pairAt(index);
    return computeValues(telescopes_[pair.telescope], cameras_[pair.camera], options_);
}

} // namespace velmora::cli
