#include "site_view.h"

#include "passage.h"
#include "units/angles.h"

#include <cmath>
#include <vector>

namespace velmora::sky {

namespace {

using units::radians;

constexpr double kSiderealArcsecPerSecond = 15.0411; // the sky turns this fast
constexpr double kFastestCountedRotation = 3600; // a degree a second: near the zenith
constexpr double kSunDown = -0.8333; // the Sun's upper limb on the horizon
constexpr double kStep = 20.0 / units::kMinutesPerDay; // twenty minutes, in days
constexpr double kRefractionWavelength = 550; // nm, for the body's own place
constexpr double kTrackReach = 1.75; // days either side of the moment that a track follows

constexpr int kGridSteps = 72; // twenty-minute steps over the day either side

// Geometric altitude raised by refraction.
double refracted(double altitude, const Refraction& refraction)
{
    if (altitude < -1)
        return altitude;
    return altitude + refraction.arcsecAt(90 - altitude) / units::kArcsecPerDegree;
}

struct Window {
    double start, end;
};

// The stretch of the day around `jd` in which `up` holds, found on a
// twenty-minute grid and its edges narrowed to seconds: the one holding `jd`,
// or else the longest.
template <typename Up> std::optional<Window> windowAround(double jd, Up up)
{
    std::vector<Window> runs;
    bool inRun = false;
    for (int step = 0; step <= kGridSteps; ++step) {
        const double t = jd - 0.5 + step * kStep;
        const bool now = up(t);
        if (now && !inRun)
            runs.push_back({t, jd + 0.5}); // open until it ends
        if (!now && inRun)
            runs.back().end = t;
        inRun = now;
    }
    if (runs.empty())
        return std::nullopt;
    const auto holds = [jd](const Window& w) { return jd >= w.start && jd <= w.end; };
    Window best = runs.front();
    for (const Window& run : runs) {
        if (holds(run) || (!holds(best) && run.end - run.start > best.end - best.start))
            best = run;
    }
    // Narrow each edge that lies inside the day to the moment `up` changes.
    if (best.start > jd - 0.5)
        best.start = changeBetween(best.start - kStep, best.start, up);
    if (best.end < jd + 0.5)
        best.end = changeBetween(best.end, best.end - kStep, up);
    return best;
}

} // namespace

std::string_view skyKind(double sunAltitude)
{
    return sunAltitude < -18 ? "night" : sunAltitude < kSunDown ? "twilight" : "day";
}

double fieldRotationRate(double latitude, double azimuth, double altitude)
{
    return kSiderealArcsecPerSecond * std::cos(radians(latitude)) * std::cos(radians(azimuth)) /
        std::cos(radians(altitude));
}

std::optional<double> longestExposure(double rotationRate, double radius)
{
    if (std::fabs(rotationRate) > kFastestCountedRotation)
        return std::nullopt;
    return 1 / (std::fabs(rotationRate) / units::kArcsecPerRadian * radius);
}

Night::Night(const BodyTrack& sun, double julianDay, const Observation& observation) :
      sun_(sun), observation_(observation), refraction_(refractionFor(kRefractionWavelength, observation.air)),
      centre_(julianDay)
{
    dark_.reserve(kGridSteps + 1);
    for (int step = 0; step <= kGridSteps; ++step)
        dark_.push_back(sunAltitudeAt(julianDay - 0.5 + step * kStep) < kSunDown);
}

double Night::sunAltitudeAt(double julianDay) const
{
    return refracted(sun_.horizontalAt(julianDay, observation_.site).altitude, refraction_);
}

bool Night::darkAt(double julianDay) const
{
    const double steps = (julianDay - (centre_ - 0.5)) / kStep;
    const double nearest = std::round(steps);
    if (std::fabs(steps - nearest) < 1e-6 && nearest >= 0 && nearest <= kGridSteps)
        return dark_[static_cast<std::size_t>(nearest)];
    return sunAltitudeAt(julianDay) < kSunDown;
}

SiteView viewFromSite(
    Body body, const BodyTrack& track, double semidiameter, const Night& night, double pixelField, double radius)
{
    const Observation& o = night.observation();
    const double julianDay = night.centre();
    const Refraction refraction = refractionFor(kRefractionWavelength, o.air);
    SiteView view {};
    const Horizontal place = track.horizontalAt(julianDay, o.site);
    view.altitude = refracted(place.altitude, refraction);
    view.azimuth = place.azimuth;

    // Risen while the upper limb, lifted by the air, stands above the
    // horizon: the times agree with the altitude shown.
    const SkyPath path {
        [&](double t) { return refracted(track.horizontalAt(t, o.site).altitude, refraction) + semidiameter; },
        [&](double t) { return track.hourAngleAt(t, o.site); },
    };
    const PassageTimes times = passageAround(julianDay, path, kTrackReach);
    view.passage = times.passage;
    view.rise = times.rise;
    view.transit = times.transit;
    view.set = times.set;
    if (times.transit)
        view.transitAltitude = refracted(track.horizontalAt(*times.transit, o.site).altitude, refraction);

    const auto up = [&](double t) {
        const bool dark = body == Body::Sun || night.darkAt(t);
        return dark && refracted(track.horizontalAt(t, o.site).altitude, refraction) >= o.minAltitude;
    };
    if (const auto window = windowAround(julianDay, up)) {
        view.windowStart = window->start;
        view.windowEnd = window->end;
    }

    if (view.altitude > 0) {
        view.dispersionArcsec = dispersionArcsec(90 - view.altitude, o.shortest, o.longest, o.air);
        view.dispersionPixels = *view.dispersionArcsec / pixelField;
        view.dispersionRough = view.altitude < kRoughDispersionBelow;
    }
    if (o.altAzMount && view.altitude > 0) {
        view.rotationRate = fieldRotationRate(o.site.latitude, view.azimuth, view.altitude);
        view.longestExposure = longestExposure(*view.rotationRate, radius);
    }
    return view;
}

} // namespace velmora::sky
