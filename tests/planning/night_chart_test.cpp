#include "planning/night_chart.h"
#include "planning/target_choice.h"
#include "sky/ephemeris.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace velmora::planning {
namespace {

sky::Observation siteAt(double latitude, double longitude)
{
    sky::Observation site;
    site.site = sky::GeoSite {latitude, longitude, 0};
    return site;
}

// Milan on a December evening: the chart runs from sunset to sunrise in
// steps of 5 minutes, the moment marked inside it.
TEST(NightChart, RunsFromSunsetToSunriseInShortSteps)
{
    const sky::Observation milan = siteAt(45.46, 9.19);
    const sky::DeepSkyCatalogue deepSky = loadDeepSkyFor("M31");
    const NightChart chart = nightChart(milan, {2026, 12, 20, 20, 0, 0}, deepSky.find("M31"));
    const sky::DarkEdges& sun = chart.twilight.at(sky::Darkness::Sunset);
    EXPECT_EQ(chart.start, *sun.evening);
    EXPECT_EQ(chart.end, *sun.morning);
    ASSERT_GT(chart.samples.size(), 100u);
    EXPECT_EQ(chart.samples.front().julianDay, chart.start);
    EXPECT_EQ(chart.samples.back().julianDay, chart.end);
    for (std::size_t i = 1; i < chart.samples.size(); ++i) {
        const double step = chart.samples[i].julianDay - chart.samples[i - 1].julianDay;
        EXPECT_GT(step, 0);
        EXPECT_LE(step * 24 * 60, 5 + 1e-6);
    }
    EXPECT_EQ(chart.moment, sky::julianDay(2026, 12, 20, 20, 0, 0));
    EXPECT_EQ(chart.minAltitude, 30);
    // M31 culminates near 85 degrees at Milan, in the evening.
    const auto highest = std::ranges::max_element(chart.samples, {}, &ChartSample::altitude);
    EXPECT_NEAR(highest->altitude, 90 - 45.46 + 41.27, 0.3);
    EXPECT_LT(highest->julianDay, chart.moment);
}

// Without an object the Moon alone is charted; a horizon raises the floor
// under the object, never below 0.
TEST(NightChart, TheMoonAloneAndTheHorizonUnderTheObject)
{
    sky::Observation milan = siteAt(45.46, 9.19);
    const NightChart moon = nightChart(milan, {2026, 12, 20, 20, 0, 0}, nullptr);
    for (const ChartSample& s : moon.samples) {
        EXPECT_EQ(s.altitude, s.moonAltitude);
        EXPECT_EQ(s.horizon, 0);
    }
    milan.horizon = sky::HorizonProfile({{0, 20}, {180, 20}});
    const sky::DeepSkyCatalogue deepSky = loadDeepSkyFor("M42");
    for (const ChartSample& s : nightChart(milan, {2026, 12, 20, 20, 0, 0}, deepSky.find("M42")).samples)
        EXPECT_NEAR(s.horizon, 20, 1e-9);
}

// Where the Sun never sets, the chart spans the day round its lower transit.
TEST(NightChart, AMidnightSunGivesTheWholeDay)
{
    const NightChart chart = nightChart(siteAt(78.2, 15.6), {2026, 6, 21, 23, 0, 0}, nullptr);
    EXPECT_NEAR(chart.end - chart.start, 1, 1e-9);
    EXPECT_NEAR((chart.start + chart.end) / 2, chart.twilight.midnight, 1e-9);
}

// A body is charted by its upper limb, the height by which it counts as up:
// the Moon's curve is the Moon's line, Jupiter crosses 0 where the site's
// figures put its rise, and a midnight Sun never goes down.
TEST(NightChart, TheSunTheMoonAndThePlanetsByTheirUpperLimb)
{
    const sky::Observation rome = siteAt(41.9, 12.5);
    const sky::UtcMoment evening {2026, 12, 9, 21, 0, 0};
    for (const ChartSample& s : nightChart(rome, evening, *sky::findBody("moon")).samples)
        EXPECT_NEAR(s.altitude, s.moonAltitude, 1e-9);

    const NightChart jupiter = nightChart(rome, evening, *sky::findBody("jupiter"));
    const auto rise = std::ranges::adjacent_find(
        jupiter.samples, [](const ChartSample& a, const ChartSample& b) { return a.altitude < 0 && b.altitude >= 0; });
    ASSERT_NE(rise, jupiter.samples.end());
    const sky::SkyView view = sky::viewSky({200, 1000, 5, 640, 480}, 1, evening, rome);
    const auto seen = std::ranges::find(view.bodies, sky::findBody("jupiter"), &sky::BodyView::facts);
    ASSERT_TRUE(seen->fromSite && seen->fromSite->rise);
    EXPECT_GE(*seen->fromSite->rise, rise->julianDay);
    EXPECT_LE(*seen->fromSite->rise, std::next(rise)->julianDay);

    for (const ChartSample& s : nightChart(siteAt(78.2, 15.6), {2026, 6, 21, 23, 0, 0}, *sky::findBody("sun")).samples)
        EXPECT_GT(s.altitude, 0);
}

} // namespace
} // namespace velmora::planning
