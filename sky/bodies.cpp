#include "bodies.h"

#include "optics/name_match.h"
#include "units/angles.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace velmora::sky {

namespace {
using units::kArcsecPerRadian;
} // namespace

const std::array<BodyFacts, 10> kBodies {{
    {Body::Sun, "sun", 695700, std::nullopt, "#ffd54a"},
    {Body::Moon, "moon", 1737.4, std::nullopt, "#c8c8c8"},
    {Body::Mercury, "mercury", 2440.53, std::nullopt, "#a39e98"},
    {Body::Venus, "venus", 6051.8, std::nullopt, "#e8d9a8"},
    {Body::Mars, "mars", 3396.19, 24.6229, "#d9623b"},
    {Body::Jupiter, "jupiter", 71492, 9.9250, "#d8b48a"},
    {Body::Saturn, "saturn", 60268, 10.656, "#e3cf8f"},
    {Body::Uranus, "uranus", 25559, std::nullopt, "#8fd6db"},
    {Body::Neptune, "neptune", 24764, std::nullopt, "#4b70dd"},
    {Body::Pluto, "pluto", 1188.3, std::nullopt, "#c9a27c"},
}};

const BodyFacts* findBody(std::string_view name)
{
    const auto found = std::ranges::find(kBodies, optics::nameKey(name), &BodyFacts::name);
    return found != kBodies.end() ? &*found : nullptr;
}

BodyView viewBody(const BodyFacts& facts, const optics::OpticalTrain& train, double pixelField, BodyPosition position)
{
    BodyView view {};
    view.facts = &facts;
    view.distanceKm = position.distanceKm;
    view.illuminatedFraction = position.illuminatedFraction;
    const double diameter = 2 * std::atan(facts.equatorialRadiusKm / position.distanceKm) * kArcsecPerRadian;
    view.apparentDiameterArcsec = diameter;
    view.kmPerPixel = position.distanceKm * std::tan(pixelField / kArcsecPerRadian);
    view.diskPixels = diameter / pixelField;
    const double width = train.effectiveWidth();
    const double height = train.effectiveHeight();
    view.fitsSensor = view.diskPixels <= std::min(width, height);
    view.mosaic = mosaicCovering(view.diskPixels, width, height);
    if (facts.rotationHours) // t = P s / (pi theta)
        view.maxCaptureSeconds =
            *facts.rotationHours * units::kSecondsPerHour * pixelField / (std::numbers::pi * diameter);
    return view;
}

const BodyFacts& factsOf(Body body)
{
    return *std::ranges::find(kBodies, body, &BodyFacts::body);
}

bool covers(Body body, int year)
{
    const ValidYears years = validYears(body);
    return year >= years.first && year <= years.last;
}

SkyView viewSky(const optics::OpticalTrain& train, double pixelField, const UtcMoment& m,
    const std::optional<Observation>& observation)
{
    const double jde = julianEphemerisDay(m.year, m.month, m.day, m.hour, m.minute, m.second);
    SkyView sky {m, {}, observation, std::nullopt};
    std::optional<BodyTrack> sun;
    std::optional<Night> night;
    const double jd = julianDay(m.year, m.month, m.day, m.hour, m.minute, m.second);
    if (observation) {
        sun.emplace(Body::Sun, jd);
        night.emplace(*sun, jd, *sky.observation, sky.observation->darkness.value_or(Darkness::Sunset));
        sky.sunAltitude = night->sunAltitudeAt(jd);
    }
    const double radius = std::hypot(train.effectiveWidth(), train.effectiveHeight()) / 2;
    for (const BodyFacts& facts : kBodies) {
        if (!covers(facts.body, m.year))
            continue;
        BodyView view = viewBody(facts, train, pixelField, positionAt(facts.body, jde));
        if (night) {
            const std::optional<BodyTrack> own =
                facts.body == Body::Sun ? std::nullopt : std::optional<BodyTrack>(std::in_place, facts.body, jd);
            view.fromSite = viewFromSite(
                facts.body == Body::Sun, own ? *own : *sun, facts.equatorialRadiusKm, *night, pixelField, radius);
        }
        sky.bodies.push_back(view);
    }
    return sky;
}

} // namespace velmora::sky
