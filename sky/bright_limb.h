#pragma once

#include "bodies.h"

namespace velmora::sky {

// The position angle of the midpoint of a body's bright limb at a moment
// (UT): degrees from north through east, from 0 up to 360, the direction of
// the Sun from the body on the sky (Meeus, Astronomical Algorithms, 48.5).
double brightLimbAngle(Body body, double julianDay);

} // namespace velmora::sky
