#include "read_noise.h"

#include <algorithm>
#include <stdexcept>

namespace velmora::optics {

ReadNoiseTable::ReadNoiseTable(std::vector<GainReadNoise> points) : points_(std::move(points))
{
    if (points_.empty())
        throw std::invalid_argument("a read noise table needs a point");
    std::ranges::sort(points_, {}, &GainReadNoise::gain);
}

std::optional<double> ReadNoiseTable::at(double gain) const
{
    const auto above = std::ranges::lower_bound(points_, gain, {}, &GainReadNoise::gain);
    if (above == points_.end())
        return std::nullopt;
    if (above->gain == gain)
        return above->readNoise;
    if (above == points_.begin())
        return std::nullopt;
    const GainReadNoise& below = *std::prev(above);
    const double share = (gain - below.gain) / (above->gain - below.gain);
    return below.readNoise + share * (above->readNoise - below.readNoise);
}

} // namespace velmora::optics
