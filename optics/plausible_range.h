#pragma once

#include <string>

namespace velmora::optics {

// The values a figure of a camera, a sky or a target can plausibly take;
// one outside is a slip of the keyboard or a damaged file, and is refused
// before it reaches a sum.
struct PlausibleRange {
    double lowest;
    double highest;
    bool lowestExcluded = false; // above `lowest`, not from it
    bool highestExcluded = false; // below `highest`, not up to it

    constexpr bool holds(double value) const
    {
        return (lowestExcluded ? value > lowest : value >= lowest) &&
            (highestExcluded ? value < highest : value <= highest);
    }
    // "from 0 to 100", "above 0 and up to 1000", "from 0 to below 50".
    std::string span() const;
    std::string refusal() const { return "is not " + span(); }
};

// The exposure's figures. The noisiest CCDs read some 30 electrons, warm
// uncooled sensors gather tens of electrons a second, the deepest wells
// hold a few million; gains are settings of up to some thousands; the
// darkest sites read 22 on a sky quality meter and a city centre 16.
inline constexpr PlausibleRange kReadNoiseRange {0, 100};
inline constexpr PlausibleRange kDarkCurrentRange {0, 1000};
inline constexpr PlausibleRange kFullWellRange {0, 10'000'000, true};
inline constexpr PlausibleRange kGainRange {0, 100'000};
inline constexpr PlausibleRange kSkyBrightnessRange {14, 23};
inline constexpr PlausibleRange kSnrRange {0, 10'000, true};
inline constexpr PlausibleRange kSurfaceBrightnessRange {0, 40};
inline constexpr PlausibleRange kShareRange {0, 1, true}; // efficiencies and transmissions
inline constexpr PlausibleRange kObstructionRange {0, 10'000}; // mm, or a share below 1

} // namespace velmora::optics
