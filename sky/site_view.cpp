#include "site_view.h"

#include "body_height.h"
#include "passage.h"
#include "units/angles.h"

#include <cmath>
#include <vector>

namespace velmora::sky {

namespace {

using units::radians;

constexpr double kSiderealArcsecPerSecond = 15.0411; // the sky turns this fast
constexpr double kFastestCountedRotation = 3600; // a degree a second: near the zenith
constexpr double kSunDown = -0.8333; // the Sun's upper limb on the horizon, as the sky's kind tells it
constexpr double kStep = 20.0 / units::kMinutesPerDay; // twenty minutes, in days
constexpr double kTrackReach = 1.75; // days either side of the moment that a track follows

constexpr int kGridSteps = 72; // twenty-minute steps over the day either side

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

Atmosphere Observation::air() const
{
    return {pressure.value_or(standardPressure(site.elevation)), temperature, humidity / 100};
}

double Observation::lowestAt(double azimuth) const
{
    return horizon.empty() ? minAltitude : std::max(minAltitude, horizon.altitudeAt(azimuth));
}

Night::Night(const BodyTrack& sun, double julianDay, const Observation& observation, Darkness darkness) :
      sun_(sun), observation_(observation), refraction_(refractionFor(kRefractionWavelength, observation.air())),
      darkness_(darkness), centre_(julianDay)
{
    dark_.reserve(kGridSteps + 1);
    for (int step = 0; step <= kGridSteps; ++step)
        dark_.push_back(darkAt(julianDay - 0.5 + step * kStep));
}

double Night::sunAltitudeAt(double julianDay) const
{
    return refractedAltitude(sun_.horizontalAt(julianDay, observation_.site).altitude, refraction_);
}

bool Night::darkAt(double julianDay) const
{
    const double steps = (julianDay - (centre_ - 0.5)) / kStep;
    const double nearest = std::round(steps);
    if (std::fabs(steps - nearest) < 1e-6 && nearest >= 0 && static_cast<std::size_t>(nearest) < dark_.size())
        return dark_[static_cast<std::size_t>(nearest)];
    return sunAboveLevel(sun_, julianDay, observation_.site, refraction_, darkness_) < 0;
}

SiteView viewFromSite(
    bool byDay, const BodyTrack& track, double radiusKm, const Night& night, double pixelField, double radius)
{
    const Observation& o = night.observation();
    const double julianDay = night.centre();
    const Refraction refraction = refractionFor(kRefractionWavelength, o.air());
    SiteView view {};
    const Horizontal place = track.horizontalAt(julianDay, o.site);
    view.altitude = refractedAltitude(place.altitude, refraction);
    view.azimuth = place.azimuth;

    const SkyPath path {
        [&](double t) { return upperLimbHeight(track, t, o.site, refraction, radiusKm); },
        [&](double t) { return track.hourAngleAt(t, o.site); },
    };
    const PassageTimes times = passageAround(julianDay, path, kTrackReach);
    view.passage = times.passage;
    view.rise = times.rise;
    view.transit = times.transit;
    view.set = times.set;
    if (times.transit)
        view.transitAltitude = refractedAltitude(track.horizontalAt(*times.transit, o.site).altitude, refraction);

    const auto up = [&](double t) {
        if (!byDay && !night.darkAt(t))
            return false;
        const Horizontal there = track.horizontalAt(t, o.site);
        return refractedAltitude(there.altitude, refraction) >= o.lowestAt(there.azimuth);
    };
    if (const auto window = windowAround(julianDay, up)) {
        view.windowStart = window->start;
        view.windowEnd = window->end;
    }

    if (view.altitude > 0) {
        view.dispersionArcsec = dispersionArcsec(90 - view.altitude, o.shortest, o.longest, o.air());
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
