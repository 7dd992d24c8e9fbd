#pragma once

#include "ephemeris.h"

namespace velmora::sky {

// A body's geocentric place on the equator and equinox of J2000, degrees
// and astronomical units, at a Julian Ephemeris Day: from ERFA's short
// series (Simon et al. 1994 for the planets, Meeus's lunar theory for the
// Moon), fast enough to follow every body over a few days; Pluto, which
// they leave out, from libnova. Within the sky library only.
struct J2000Place {
    double ra, dec, distanceAu;
};
J2000Place j2000Place(Body body, double julianEphemerisDay);

} // namespace velmora::sky
