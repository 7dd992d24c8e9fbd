#include "moon_phase.h"

#include "ephemeris.h"
#include "places.h"
#include "units/angles.h"

#include <erfa.h>

#include <cmath>

namespace velmora::sky {

namespace {

constexpr double kSynodicDegreesPerDay = 360 / 29.530589; // how fast the Moon gains on the Sun, on average

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

} // namespace

double daysFromFullMoon(double julianDay)
{
    // The Moon gains on the Sun unevenly (its orbit is an ellipse): a few
    // secant steps from the mean rate's guess find the moment to a second.
    double t0 = julianDay;
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
    return std::fabs(julianDay - t1);
}

double MoonAvoidance::degreesAt(double daysFromFull) const
{
    const double x = daysFromFull / width;
    return distance / (1 + x * x);
}

} // namespace velmora::sky
