#include "night_chart.h"

#include "sky/atmosphere.h"
#include "sky/body_height.h"
#include "sky/ephemeris.h"
#include "units/angles.h"

#include <algorithm>
#include <cmath>

namespace velmora::planning {

namespace {

// Five minutes: a chart a few hundred pixels wide shows no finer step.
constexpr double kStepDays = 5.0 / units::kMinutesPerDay;

// The chart's frame and the Moon, with the subject's altitude and the
// azimuth it stands at from `where`: (Julian Day) -> {altitude, azimuth}.
template <typename Where>
NightChart chartOf(const sky::Observation& observation, const sky::UtcMoment& moment, Where where)
{
    const double julianDay =
        sky::julianDay(moment.year, moment.month, moment.day, moment.hour, moment.minute, moment.second);
    const sky::BodyTrack sun(sky::Body::Sun, julianDay);
    const sky::BodyTrack moon(sky::Body::Moon, julianDay);
    NightChart chart {};
    chart.twilight = sky::twilightAround(sun, julianDay, observation.site, observation.air());
    const sky::DarkEdges& sunset = chart.twilight.at(sky::Darkness::Sunset);
    chart.start = sunset.evening.value_or(chart.twilight.midnight - 0.5);
    chart.end = sunset.morning.value_or(chart.twilight.midnight + 0.5);
    chart.minAltitude = observation.minAltitude;
    chart.moment = julianDay;

    const sky::Refraction refraction = sky::refractionFor(sky::kRefractionWavelength, observation.air());
    const auto steps = static_cast<std::size_t>(std::ceil((chart.end - chart.start) / kStepDays));
    chart.samples.reserve(steps + 1);
    for (std::size_t i = 0; i <= steps; ++i) {
        const double at = std::min(chart.start + double(i) * kStepDays, chart.end);
        const double moonHeight = sky::moonLimbHeight(moon, at, observation.site, refraction);
        const auto [altitude, azimuth] = where(at, moon, moonHeight, refraction);
        chart.samples.push_back({at, altitude, moonHeight, std::max(0.0, observation.horizon.altitudeAt(azimuth))});
    }
    return chart;
}

} // namespace

NightChart nightChart(
    const sky::Observation& observation, const sky::UtcMoment& moment, const sky::DeepSkyObject* object)
{
    const double julianDay =
        sky::julianDay(moment.year, moment.month, moment.day, moment.hour, moment.minute, moment.second);
    std::optional<sky::BodyTrack> track;
    if (object && object->rightAscensionDeg)
        track = sky::PlacesOfDate(julianDay).track(*object->rightAscensionDeg, *object->declinationDeg);
    return chartOf(observation, moment,
        [&](double at, const sky::BodyTrack& moon, double moonHeight, const sky::Refraction& refraction) {
            const sky::Horizontal place = (track ? *track : moon).horizontalAt(at, observation.site);
            return std::pair {track ? sky::refractedAltitude(place.altitude, refraction) : moonHeight, place.azimuth};
        });
}

NightChart nightChart(const sky::Observation& observation, const sky::UtcMoment& moment, const sky::BodyFacts& body)
{
    const sky::BodyTrack track(
        body.body, sky::julianDay(moment.year, moment.month, moment.day, moment.hour, moment.minute, moment.second));
    return chartOf(
        observation, moment, [&](double at, const sky::BodyTrack&, double, const sky::Refraction& refraction) {
            return std::pair {sky::upperLimbHeight(track, at, observation.site, refraction, body.equatorialRadiusKm),
                track.horizontalAt(at, observation.site).azimuth};
        });
}

} // namespace velmora::planning
