#include "twilight.h"

#include "passage.h"
#include "units/angles.h"

#include <algorithm>
#include <cmath>

namespace velmora::sky {

namespace {

constexpr double kSunRadiusAt1Au = 959.63 / units::kArcsecPerDegree; // degrees (IAU)
constexpr double kSunDegreesPerDay = 360; // of hour angle, near enough to close in on the moment
constexpr double kStep = 10.0 / units::kMinutesPerDay; // the Sun takes longer than this to cross a level and back

// The Sun's lower transit nearest the moment: its hour angle at 180 degrees.
double midnightNear(const BodyTrack& sun, double julianDay, const GeoSite& site)
{
    double t = julianDay;
    for (int i = 0; i < 3; ++i)
        t += std::remainder(180 - sun.hourAngleAt(t, site), 360.0) / kSunDegreesPerDay;
    return t;
}

// The first moment the Sun stands on the level, walking from `from` (below
// it) towards `until`; none when it stays below.
std::optional<double> firstCrossing(double from, double until, const std::function<bool(double)>& below)
{
    const int steps = static_cast<int>(std::ceil(std::fabs(until - from) / kStep));
    const double step = (until - from) / steps;
    for (int i = 1; i <= steps; ++i) {
        const double t = from + i * step;
        if (!below(t))
            return changeBetween(t - step, t, below);
    }
    return std::nullopt;
}

} // namespace

const std::array<DarknessLevel, 4> kDarknessLevels {{
    {Darkness::Sunset, "sunset", 0},
    {Darkness::Civil, "civil", -6},
    {Darkness::Nautical, "nautical", -12},
    {Darkness::Astronomical, "astronomical", -18},
}};

const DarknessLevel& levelOf(Darkness darkness)
{
    return kDarknessLevels[static_cast<std::size_t>(darkness)];
}

const DarknessLevel* findDarkness(std::string_view name)
{
    const auto found = std::ranges::find(kDarknessLevels, name, &DarknessLevel::name);
    return found != kDarknessLevels.end() ? &*found : nullptr;
}

double sunAboveLevel(
    const BodyTrack& sun, double julianDay, const GeoSite& site, const Refraction& refraction, Darkness darkness)
{
    const double altitude = sun.horizontalAt(julianDay, site).altitude;
    if (darkness != Darkness::Sunset)
        return altitude - levelOf(darkness).sunAltitude;
    const double semidiameter = kSunRadiusAt1Au / sun.placeAt(julianDay).distanceAu;
    return refractedAltitude(altitude, refraction) + semidiameter;
}

std::optional<Span> Twilight::dark(Darkness darkness) const
{
    const DarkEdges& e = at(darkness);
    if (e.neverDark)
        return std::nullopt;
    return Span {e.evening.value_or(midnight - 0.5), e.morning.value_or(midnight + 0.5)};
}

Twilight twilightAround(const BodyTrack& sun, double julianDay, const GeoSite& site, const Atmosphere& air)
{
    const Refraction refraction = refractionFor(kRefractionWavelength, air);
    Twilight night {midnightNear(sun, julianDay, site), {}};
    for (const DarknessLevel& level : kDarknessLevels) {
        const auto below = [&](double t) { return sunAboveLevel(sun, t, site, refraction, level.darkness) < 0; };
        DarkEdges& edges = night.edges[static_cast<std::size_t>(level.darkness)];
        edges.neverDark = !below(night.midnight);
        if (edges.neverDark)
            continue;
        edges.evening = firstCrossing(night.midnight, night.midnight - 0.5, below);
        edges.morning = firstCrossing(night.midnight, night.midnight + 0.5, below);
    }
    return night;
}

} // namespace velmora::sky
