#include "atmosphere.h"

#include "units/angles.h"

#include <erfa.h>

#include <algorithm>
#include <cmath>

namespace velmora::sky {

namespace {

using units::kArcsecPerRadian;
using units::radians;

constexpr double kLargestErfaZenith = 75; // degrees
constexpr double kLargestZenith = 91; // the formula turns back a little further down
constexpr double kLowestRefracted = -1; // degrees: below it the lift fades

// Saemundsson's refraction for a true altitude, in arcminutes.
double saemundsson(double altitude)
{
    return 1.02 / std::tan(radians(altitude + 10.3 / (altitude + 5.11)));
}

} // namespace

double standardPressure(double elevation)
{
    return 1013.25 * std::pow(1 - 2.25577e-5 * elevation, 5.25588);
}

Refraction refractionFor(double wavelength, const Atmosphere& air)
{
    Refraction refraction {};
    eraRefco(air.pressure, air.temperature, air.humidity, wavelength / 1000, &refraction.a, &refraction.b);
    double standardA = 0;
    double standardB = 0;
    eraRefco(1010, 10, 0, 0.55, &standardA, &standardB);
    refraction.lowScale = refraction.a / standardA;
    return refraction;
}

double Refraction::arcsecAt(double zenith) const
{
    if (zenith <= kLargestErfaZenith) {
        const double t = std::tan(radians(std::max(zenith, 0.0)));
        return (a * t + b * t * t * t) * kArcsecPerRadian;
    }
    return saemundsson(90 - std::min(zenith, kLargestZenith)) * units::kArcsecPerArcmin * lowScale;
}

double refractedAltitude(double altitude, const Refraction& refraction)
{
    if (altitude < kLowestRefracted - 1)
        return altitude;
    // Below a degree under the horizon the lift fades to nothing over the
    // next degree: an altitude that jumped there would make a body seem to
    // leap across it between two moments.
    const double fade = std::clamp(altitude - (kLowestRefracted - 1), 0.0, 1.0);
    const double lifted = std::max(altitude, kLowestRefracted);
    return altitude + fade * refraction.arcsecAt(90 - lifted) / units::kArcsecPerDegree;
}

double unrefractedAltitude(double apparent, const Refraction& refraction)
{
    // The refraction changes slowly with the altitude (a tenth of a
    // degree's change a degree at the horizon, less above): a few steps
    // of h = apparent - R(h) settle well under an arcsecond.
    double altitude = apparent;
    for (int i = 0; i < 4; ++i)
        altitude = apparent - (refractedAltitude(altitude, refraction) - altitude);
    return altitude;
}

double refractionArcsec(double zenith, double wavelength, const Atmosphere& air)
{
    return refractionFor(wavelength, air).arcsecAt(zenith);
}

double dispersionArcsec(double zenith, double shortest, double longest, const Atmosphere& air)
{
    return std::fabs(refractionArcsec(zenith, shortest, air) - refractionArcsec(zenith, longest, air));
}

} // namespace velmora::sky
