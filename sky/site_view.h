#pragma once

#include "atmosphere.h"
#include "ephemeris.h"
#include "horizon_profile.h"
#include "moon_phase.h"
#include "passage.h"
#include "twilight.h"

#include <optional>
#include <string_view>
#include <vector>

namespace velmora::sky {

// Where and how the sky is watched: the site, its air as given, the band
// and the mount. The defaults are the ones people image in.
struct Observation {
    GeoSite site;
    std::optional<double> pressure; // hPa; the standard atmosphere's at the site's elevation unless given
    double temperature = 10; // degrees Celsius
    double humidity = 50; // percent
    double minAltitude = 30; // degrees, the lowest worth imaging
    double shortest = 400; // nm, the band's ends
    double longest = 700;
    bool altAzMount = false;
    // What dark means; none for each kind's own: sunset for the Sun, the
    // Moon and the planets, the end of astronomical twilight for deep sky.
    std::optional<Darkness> darkness;
    HorizonProfile horizon; // flat when empty
    MoonAvoidance moonAvoidance;

    // The air refraction and dispersion are worked out in.
    Atmosphere air() const;
    // The lowest a body may stand at an azimuth to count as up.
    double lowestAt(double azimuth) const;
};

// One body as the site sees it around a moment.
struct SiteView {
    double altitude; // degrees, refracted
    double azimuth; // degrees from north through east
    Passage passage;
    std::optional<double> rise, transit, set; // Julian Days, UT
    std::optional<double> transitAltitude; // degrees, refracted
    std::optional<double> windowStart, windowEnd; // above minAltitude that night (by day for the Sun)
    std::optional<double> dispersionArcsec; // across the band at the altitude; none below the horizon
    std::optional<double> dispersionPixels;
    bool dispersionRough = false; // too low for the figure to be more than rough
    std::optional<double> rotationRate; // arcsec of field rotation per second of time, alt-az mounts
    std::optional<double> longestExposure; // seconds before a corner moves a pixel; none near the zenith
};

// The Sun's altitude at a moment says what kind of sky it is.
std::string_view skyKind(double sunAltitude);

// The field of an alt-az mount turns at Omega cos(latitude) cos(azimuth) /
// cos(altitude), in arcseconds per second of time.
double fieldRotationRate(double latitude, double azimuth, double altitude);
// The longest exposure before a point `radius` pixels from the centre moves
// by one pixel; none when the field turns faster than a degree a second.
std::optional<double> longestExposure(double rotationRate, double radius);

// The night around a moment at a site: where the Sun is below a level of
// darkness on a grid of the day either side, worked out once for every body.
class Night {
public:
    Night(const BodyTrack& sun, double julianDay, const Observation& observation, Darkness darkness);
    double sunAltitudeAt(double julianDay) const; // refracted, degrees
    bool darkAt(double julianDay) const; // the Sun below the level
    const BodyTrack& sun() const { return sun_; }
    const Observation& observation() const { return observation_; }
    double centre() const { return centre_; }

private:
    const BodyTrack& sun_;
    const Observation& observation_;
    Refraction refraction_;
    Darkness darkness_;
    double centre_;
    std::vector<bool> dark_; // on the grid
};

// A body seen from the site at the night's moment: `track` is the body's,
// `radiusKm` its radius (it has risen when its upper limb has, as
// upperLimbHeight tells); `pixelField` in arcseconds and `radius` (the sensor's half diagonal) in
// pixels give the figures in pixels. The Sun's window (`byDay`) is by day.
SiteView viewFromSite(
    bool byDay, const BodyTrack& track, double radiusKm, const Night& night, double pixelField, double radius);

} // namespace velmora::sky
