#pragma once

#include <functional>
#include <optional>

namespace velmora::sky {

// Whether a body crosses the horizon in the day around a moment.
enum class Passage { RisesAndSets, AlwaysAbove, NeverAbove };

// A body's pass across the sky, as Julian Days (UT), in time order.
struct PassageTimes {
    Passage passage;
    std::optional<double> rise, transit, set;
};

// How a body moves as time goes by: `height` is how far its upper limb
// stands above the horizon (degrees, negative below), `hourAngle` its local
// hour angle (degrees, -180 to 180).
struct SkyPath {
    std::function<double(double)> height;
    std::function<double(double)> hourAngle;
};

// The moment between `a` and `b` (Julian Days), on either side of which
// `holds` differs, narrowed to well under a second.
double changeBetween(double a, double b, const std::function<bool(double)>& holds);

// The pass nearest `julianDay`, read off the body's own path: the verdict is
// over the day centred on the moment, so it agrees with the height there;
// when the body rises and sets in that day, the pass holding the moment (or
// else the nearest one) gives the rise and set, found up to `reach` days
// away and narrowed to a fraction of a second, and the upper meridian
// crossing inside it the transit (its highest point where it crosses none,
// as near the poles). A body always above has its transit nearest the
// moment.
PassageTimes passageAround(double julianDay, const SkyPath& path, double reach);

} // namespace velmora::sky
