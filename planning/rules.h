#pragma once

namespace velmora::planning {

// Neighbouring mosaic frames overlap by a share of a frame, from none up to
// but not including a half: at a half every other frame would be wasted.
inline constexpr double kOverlapBelow = 0.5;
inline bool isOverlapAccepted(double share)
{
    return share >= 0 && share < kOverlapBelow;
}

// Past a pixel of spread between the band's ends, the atmosphere's colours
// show: a dispersion corrector is worth fitting.
inline constexpr double kCorrectorPastPixels = 1;
inline bool isCorrectorAdvised(double dispersionPixels)
{
    return dispersionPixels > kCorrectorPastPixels;
}

} // namespace velmora::planning
