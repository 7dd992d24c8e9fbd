#include "body_height.h"

#include "bodies.h"
#include "units/angles.h"

#include <cmath>

namespace velmora::sky {

double upperLimbHeight(
    const BodyTrack& track, double julianDay, const GeoSite& site, const Refraction& refraction, double radiusKm)
{
    const double altitude = refractedAltitude(track.horizontalAt(julianDay, site).altitude, refraction);
    if (radiusKm <= 0)
        return altitude;
    const double distanceKm = track.placeAt(julianDay).distanceAu * kKmPerAu;
    return altitude + units::degrees(std::asin(radiusKm / distanceKm));
}

double moonLimbHeight(const BodyTrack& moon, double julianDay, const GeoSite& site, const Refraction& refraction)
{
    return upperLimbHeight(moon, julianDay, site, refraction, factsOf(Body::Moon).equatorialRadiusKm);
}

} // namespace velmora::sky
