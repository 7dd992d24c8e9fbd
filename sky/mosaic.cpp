#include "mosaic.h"

#include <cmath>
#include <limits>

namespace velmora::sky {

namespace {

std::uint64_t framesAlong(double span, double frame)
{
    if (span <= frame)
        return 1;
    const double more = std::ceil((span - frame) / (frame * (1 - kMosaicOverlap)));
    constexpr double kMost = double(std::numeric_limits<std::uint64_t>::max() / 2);
    return more >= kMost ? std::numeric_limits<std::uint64_t>::max() / 2 : 1 + static_cast<std::uint64_t>(more);
}

} // namespace

std::optional<std::uint64_t> Mosaic::frames() const
{
    if (rows != 0 && columns > std::numeric_limits<std::uint64_t>::max() / rows)
        return std::nullopt;
    return columns * rows;
}

Mosaic mosaicCovering(double span, double frameWidth, double frameHeight)
{
    return {framesAlong(span, frameWidth), framesAlong(span, frameHeight), frameWidth, frameHeight};
}

} // namespace velmora::sky
