#pragma once

namespace velmora::planning {

// Neighbouring mosaic frames overlap by a share of a frame, from none up to
// but not including a half: at a half every other frame would be wasted.
inline constexpr double kOverlapBelow = 0.5;

// Past a pixel of spread between the band's ends, the atmosphere's colours
// show: a dispersion corrector is worth fitting.
inline constexpr double kCorrectorPastPixels = 1;
inline bool isCorrectorAdvised(double dispersionPixels)
{
    return dispersionPixels > kCorrectorPastPixels;
}

// Without a reading of the sky, a rural one is assumed, and said so.
inline constexpr double kAssumedSqm = 21.0;

// A sub is long enough once the sky's light would fill this share of the
// well: the rest is room for the target and the stars.
inline constexpr double kSkyShareOfWell = 0.25;

} // namespace velmora::planning
