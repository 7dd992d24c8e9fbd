#include "mosaic.h"

#include <cmath>
#include <limits>

namespace velmora::sky {

std::uint64_t framesToReach(double span, double frame, double overlap)
{
    if (span <= frame)
        return 1;
    const double more = std::ceil((span - frame) / (frame * (1 - overlap)));
    constexpr std::uint64_t kBeyondAnyUse = std::numeric_limits<std::uint64_t>::max() / 2;
    return more >= double(kBeyondAnyUse) ? kBeyondAnyUse : 1 + static_cast<std::uint64_t>(more);
}

std::optional<std::uint64_t> Mosaic::frames() const
{
    if (rows != 0 && columns > std::numeric_limits<std::uint64_t>::max() / rows)
        return std::nullopt;
    return columns * rows;
}

Mosaic mosaicCovering(double span, double frameWidth, double frameHeight, double overlap)
{
    return {framesToReach(span, frameWidth, overlap), framesToReach(span, frameHeight, overlap), frameWidth,
        frameHeight, overlap};
}

} // namespace velmora::sky
