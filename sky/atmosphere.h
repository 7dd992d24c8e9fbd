#pragma once

namespace velmora::sky {

// The air above a site.
struct Atmosphere {
    double pressure; // hPa
    double temperature; // degrees Celsius
    double humidity; // relative, 0 to 1
};

// The standard atmosphere's pressure at an elevation in metres (ICAO).
double standardPressure(double elevation);

// ERFA's refraction constants for one wavelength and air: refraction is
// A tan z + B tan^3 z. Past 85 degrees the formula no longer holds; it is
// taken there.
struct Refraction {
    double a, b; // radians
    double arcsecAt(double zenith) const; // zenith distance in degrees
};
Refraction refractionFor(double wavelength, const Atmosphere& air);

// Refraction in arcseconds at the zenith distance `zenith` (degrees) for
// light of `wavelength` nanometres: A tan z + B tan^3 z with ERFA's
// constants. Past 85 degrees the formula no longer holds; it is taken there.
double refractionArcsec(double zenith, double wavelength, const Atmosphere& air);

// How far the atmosphere spreads a band's two ends apart, in arcseconds.
double dispersionArcsec(double zenith, double shortest, double longest, const Atmosphere& air);

} // namespace velmora::sky
