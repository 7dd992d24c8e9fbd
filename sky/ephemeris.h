#pragma once

#include "moment.h"

#include <vector>

namespace velmora::sky {

inline constexpr double kKmPerAu = 149'597'870.7; // IAU 2012

enum class Body { Sun, Moon, Mercury, Venus, Mars, Jupiter, Saturn, Uranus, Neptune, Pluto };

// Where a body stands seen from the Earth's centre.
struct BodyPosition {
    double distanceKm;
    double illuminatedFraction; // 0 to 1; the Sun's is 1
};

// At a moment in Terrestrial Dynamical Time, as a Julian Ephemeris Day.
// The one interface to the ephemeris libraries (libnova: VSOP87 for the
// planets, ELP 2000-82B for the Moon; ERFA's shorter series for places over
// days); nothing else in the tool sees them.
BodyPosition positionAt(Body body, double julianEphemerisDay);

// A UTC calendar moment as a Julian Ephemeris Day (the library's Delta T).
double julianEphemerisDay(int year, int month, int day, int hour, int minute, double second);

// A Julian Day (UT) as a Julian Ephemeris Day.
double ephemerisDayOf(double julianDay);

// A UTC calendar moment as a Julian Day in Universal Time.
double julianDay(int year, int month, int day, int hour, int minute, double second);

// A Julian Day (UT) as a UTC calendar moment.
UtcMoment utcMomentOf(double julianDay);

// Where an observer stands: degrees, east and north positive; metres above sea level.
struct GeoSite {
    double latitude;
    double longitude;
    double elevation;
};

// A body's apparent place seen from the site, before refraction: altitude
// above the horizon and azimuth from north through east, in degrees.
struct Horizontal {
    double altitude;
    double azimuth;
};

// A body's apparent geocentric place on the true equator of date, followed
// from two days before a moment to two days after: positions every twelve
// hours, read between them by quadratic interpolation, so that a night's
// places and its rises and sets cost no further series terms.
class BodyTrack {
public:
    struct Place {
        double ra, dec, distanceAu;
    };

    BodyTrack(Body body, double julianDay); // UT
    // Topocentric (the Moon's parallax reaches a degree), at `julianDay` UT.
    Horizontal horizontalAt(double julianDay, const GeoSite& site) const;
    // The local hour angle of its geocentric place, degrees from -180 to 180.
    double hourAngleAt(double julianDay, const GeoSite& site) const;

    Place placeAt(double julianDay) const;

private:
    friend class PlacesOfDate;
    BodyTrack(const Place& ofDate, double julianDay, double equationOfEquinoxes);
    static Place between(const Place (&places)[3], double n);

    double equationOfEquinoxes_ = 0; // degrees, apparent less mean sidereal time
    double first_; // the first node's Julian Day
    std::vector<Place> nodes_;
};

// Catalogue places (J2000, degrees) carried to the true equator and
// equinox of a date, for many objects at once: the nutation is worked out
// once.
class PlacesOfDate {
public:
    explicit PlacesOfDate(double julianDay); // UT
    BodyTrack::Place of(double rightAscension, double declination) const;
    // The object standing still on the sky of those days.
    BodyTrack track(double rightAscension, double declination) const;

private:
    double julianDay_;
    double jde_;
    double nutation_[3]; // in longitude and in obliquity, and the mean obliquity; degrees
};

// The local apparent sidereal time at a longitude (degrees, east positive),
// in degrees from 0 to 360.
double siderealDegrees(double julianDay, double longitude);

// The range in which the library's series hold for `body`, as years.
struct ValidYears {
    int first;
    int last;
};
ValidYears validYears(Body body);

} // namespace velmora::sky
