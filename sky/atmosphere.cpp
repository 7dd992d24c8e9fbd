#include "atmosphere.h"

#include <erfa.h>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace velmora::sky {

namespace {
constexpr double kArcsecPerRadian = 180 * 3600 / std::numbers::pi;
constexpr double kLargestZenith = 85; // degrees
} // namespace

double standardPressure(double elevation)
{
    return 1013.25 * std::pow(1 - 2.25577e-5 * elevation, 5.25588);
}

Refraction refractionFor(double wavelength, const Atmosphere& air)
{
    Refraction refraction {};
    eraRefco(air.pressure, air.temperature, air.humidity, wavelength / 1000, &refraction.a, &refraction.b);
    return refraction;
}

double Refraction::arcsecAt(double zenith) const
{
    const double t = std::tan(std::clamp(zenith, 0.0, kLargestZenith) * std::numbers::pi / 180);
    return (a * t + b * t * t * t) * kArcsecPerRadian;
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
