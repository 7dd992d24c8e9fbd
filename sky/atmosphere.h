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

// Refraction for one wavelength and air. Down to 75 degrees from the zenith
// it is ERFA's A tan z + B tan^3 z, which holds there; further down, to the
// horizon and a degree below, Saemundsson's formula for the body's true
// altitude (Sky & Telescope 72, 70, 1986), made for 1010 hPa, 10 C and
// visual light, scaled by how much more or less this air bends this light.
struct Refraction {
    double a, b; // ERFA's constants, radians
    double lowScale; // this A over A in Saemundsson's air
    double arcsecAt(double zenith) const; // zenith distance in degrees
};
// Below this altitude (degrees) the spread of a band is only roughly known:
// the air near the horizon is seldom the standard one.
inline constexpr double kRoughDispersionBelow = 5;
Refraction refractionFor(double wavelength, const Atmosphere& air);

// The wavelength a body's own place is refracted at, nm.
inline constexpr double kRefractionWavelength = 550;

// A geometric altitude (degrees) raised by refraction; from one to two
// degrees below the horizon the lift fades to nothing, and further down the
// altitude is left as it is.
double refractedAltitude(double altitude, const Refraction& refraction);

// The geometric altitude that refraction raises to `apparent` (degrees):
// what a limit on the altitude seen becomes for the place computed.
double unrefractedAltitude(double apparent, const Refraction& refraction);

// Refraction in arcseconds at the zenith distance `zenith` (degrees) for
// light of `wavelength` nanometres.
double refractionArcsec(double zenith, double wavelength, const Atmosphere& air);

// How far the atmosphere spreads a band's two ends apart, in arcseconds.
double dispersionArcsec(double zenith, double shortest, double longest, const Atmosphere& air);

} // namespace velmora::sky
