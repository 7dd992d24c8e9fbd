#include "moon_phase.h"

#include "ephemeris.h"
#include "places.h"
#include "units/angles.h"

#include <erfa.h>

#include <algorithm>
#include <cmath>

namespace velmora::sky {

namespace {

constexpr double kSynodicMonth = 29.530589; // days, on average
constexpr double kSynodicDegreesPerDay = 360 / kSynodicMonth; // how fast the Moon gains on the Sun

// The Moon's ecliptic longitude of date less the Sun's, less 180: zero at
// the full Moon, degrees from -180 to 180.
double fromOpposition(double julianDay)
{
    const double jde = ephemerisDayOf(julianDay);
    const auto longitude = [jde](Body body) {
        const J2000Place place = j2000Place(body, jde);
        double lambda = 0;
        double beta = 0;
        eraEqec06(jde, 0, units::radians(place.ra), units::radians(place.dec), &lambda, &beta);
        return units::degrees(lambda);
    };
    return std::remainder(longitude(Body::Moon) - longitude(Body::Sun) - 180, 360.0);
}

// The full Moon the mean rate points to from `guess`: the Moon gains on
// the Sun unevenly (its
// orbit is an ellipse), so a few secant steps find the
// moment to a second.
double fullMoonFrom(double guess)
{
    double t0 = guess;
    double d0 = fromOpposition(t0);
    double t1 = t0 - d0 / kSynodicDegreesPerDay;
    for (int i = 0; i < 8; ++i) {
        const double d1 = fromOpposition(t1);
        if (std::fabs(d1) < 1e-7 || d1 == d0)
            break;
        const double next = t1 - d1 * (t1 - t0) / (d1 - d0);
        t0 = t1;
        d0 = d1;
        t1 = next;
    }
    return t1;
}

} // namespace

double daysFromFullMoon(double julianDay)
{
    // Near the new Moon the mean rate's guess may fall on the farther of
    // the two full Moons either side: the one a month on the other side
    // is tried too.
    const double found = fullMoonFrom(julianDay);
    const double other = fullMoonFrom(found + (found < julianDay ? kSynodicMonth : -kSynodicMonth));
    return std::min(std::fabs(julianDay - found), std::fabs(julianDay - other));
}

double MoonAvoidance::degreesAt(double daysFromFull) const
{
    const double x = daysFromFull / width;
    return distance / (1 + x * x);
}

} // namespace velmora::sky
