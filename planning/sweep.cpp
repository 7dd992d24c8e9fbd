#include "sweep.h"

#include <algorithm>
#include <limits>

namespace velmora::planning {

Sweep::Sweep(const optics::EquipmentCatalogue& catalogue, const Request& request) :
      telescopes_(catalogue.telescopes.items()), cameras_(catalogue.cameras.items()), request_(request)
{
    const optics::Telescope any {"", 1, 1}; // the binning's rule is the camera's alone
    for (std::uint32_t c = 0; c < cameras_.size(); ++c) {
        if (trainOf(any, cameras_[c], request).hasWholeBinnedPixel())
            usable_.push_back(c);
    }
    if (!request.sortBy)
        return;
    // The run stops at the sort key's own step: what comes after it is not needed to rank.
    std::vector<std::pair<double, Pair>> keys;
    keys.reserve(size());
    for (std::uint32_t t = 0; t < telescopes_.size(); ++t) {
        for (const std::uint32_t c : usable_) {
            const optics::OpticalTrain train = trainOf(telescopes_[t], cameras_[c], request);
            const Outcome outcome = calculateValues(optics::engineInputs(train), request.sortBy);
            keys.push_back(
                {resultValue(outcome, request.sortBy).value_or(std::numeric_limits<double>::infinity()), {t, c}});
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
    return computeCatalogueRig(telescopes_[pair.telescope], cameras_[pair.camera], request_);
}

} // namespace velmora::planning
