#pragma once

namespace velmora::sky {

// Days from the full Moon nearest a moment (UT), before or after it: when
// the Moon's ecliptic longitude of date stands 180 degrees from the Sun's.
double daysFromFullMoon(double julianDay);

// Moon avoidance by the Lorentzian rule published for automated imaging: a
// target is avoided while it lies within distance / (1 + (d / width)^2)
// degrees of the Moon, d days from the full Moon.
struct MoonAvoidance {
    double distance = 15; // degrees, at the full Moon
    double width = 6; // days, where the distance has halved

    double degreesAt(double daysFromFull) const;
};

} // namespace velmora::sky
