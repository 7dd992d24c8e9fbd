#include "bright_limb.h"

#include "ephemeris.h"
#include "units/angles.h"

#include <erfa.h>

#include <cmath>

namespace velmora::sky {

// ERFA's position angle of one place seen from another is the formula itself.
double brightLimbAngle(Body body, double julianDay)
{
    const BodyTrack::Place sun = BodyTrack(Body::Sun, julianDay).placeAt(julianDay);
    const BodyTrack::Place lit = BodyTrack(body, julianDay).placeAt(julianDay);
    const double angle =
        eraPas(units::radians(lit.ra), units::radians(lit.dec), units::radians(sun.ra), units::radians(sun.dec));
    return std::fmod(units::degrees(angle) + 360, 360.0);
}

} // namespace velmora::sky
