#pragma once

#include "atmosphere.h"
#include "ephemeris.h"
#include "horizon_profile.h"
#include "twilight.h"

#include <array>
#include <optional>
#include <vector>

namespace velmora::sky {

// The time a night gives a target, and its longest unbroken stretch.
struct UsableTime {
    double hours = 0;
    std::optional<Span> longest;
};

// A target's night: the hours that are dark, above the horizon and the
// lowest altitude, and clear of the Moon; and the same ignoring the Moon.
struct TargetNight {
    UsableTime usable;
    UsableTime ignoringMoon;
};

// A night's dark span on a grid of equal steps of at most two minutes,
// with what every target is measured against at each step: the sidereal
// time and where the Moon stands. Worked out once, it measures the whole
// catalogue: a target costs a few multiplications a step, and the edges of
// its stretches are read between steps, where its margins cross zero.
class NightGrid {
public:
    // `dark` is none where the night never gets dark enough; the Moon is
    // avoided while it is up (upperLimbHeight) and within `avoidance`
    // degrees. Altitudes are compared as seen, through `refraction`.
    NightGrid(const std::optional<Span>& dark, const GeoSite& site, const BodyTrack& moon, double avoidance,
        const Refraction& refraction);

    // `place` on the true equator of the date (PlacesOfDate); `minAltitude`
    // in degrees, the horizon profile above it wherever it stands higher;
    // both are altitudes as seen, refracted.
    TargetNight measure(const BodyTrack::Place& place, const HorizonProfile& horizon, double minAltitude) const;
    // The dark time with the Moon down.
    UsableTime moonDown() const;

private:
    std::optional<Span> dark_;
    double step_ = 0; // days
    std::size_t steps_ = 0;
    double siderealStart_ = 0; // radians
    double siderealStep_ = 0;
    double sinLatitude_ = 0, cosLatitude_ = 1;
    double cosAvoidance_ = 1;
    Refraction refraction_;
    std::vector<std::array<double, 3>> moon_; // east, north, up, at each step
    std::vector<double> moonHeight_; // the sine of its upper limb's height as seen, at each step
};

// The angle between two places on the sky, degrees.
double separationDegrees(const Horizontal& a, const Horizontal& b);

} // namespace velmora::sky
