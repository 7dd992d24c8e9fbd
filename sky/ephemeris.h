#pragma once

namespace velmora::sky {

enum class Body { Sun, Moon, Mercury, Venus, Mars, Jupiter, Saturn, Uranus, Neptune, Pluto };

// Where a body stands seen from the Earth's centre.
struct BodyPosition {
    double distanceKm;
    double illuminatedFraction; // 0 to 1; the Sun's is 1
};

// At a moment in Terrestrial Dynamical Time, as a Julian Ephemeris Day.
// The one interface to the ephemeris library (libnova: VSOP87 for the
// planets, ELP 2000-82B for the Moon); nothing else in the tool sees it.
BodyPosition positionAt(Body body, double julianEphemerisDay);

// A UTC calendar moment as a Julian Ephemeris Day (the library's Delta T).
double julianEphemerisDay(int year, int month, int day, int hour, int minute, double second);

// The range in which the library's series hold for `body`, as years.
struct ValidYears {
    int first;
    int last;
};
ValidYears validYears(Body body);

} // namespace velmora::sky
