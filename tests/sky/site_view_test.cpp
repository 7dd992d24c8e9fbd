#include "sky/atmosphere.h"
#include "sky/bodies.h"
#include "sky/site_view.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace velmora::sky {
namespace {

// Filippenko 1982 (PASP 94, 715), table 1: at sec z = 1.5, 800 hPa, 7 C and
// saturated air, 400 to 500 nm spread by 0.71" and 500 to 650 nm by 0.50".
TEST(Atmosphere, DispersionMatchesFilippenko)
{
    const Atmosphere mountain {800, 7, 1.0};
    const double zenith = std::acos(1 / 1.5) * 180 / std::numbers::pi;
    EXPECT_NEAR(dispersionArcsec(zenith, 400, 500, mountain), 0.71, 0.02);
    EXPECT_NEAR(dispersionArcsec(zenith, 500, 650, mountain), 0.50, 0.02);
    EXPECT_EQ(dispersionArcsec(0, 400, 700, mountain), 0) << "none at the zenith";
}

// Bennett's refraction for an apparent altitude (J. Navigation 35, 255, 1982:
// within 0.07' from the horizon up, at 1010 hPa and 10 C), in arcminutes.
double bennett(double apparent)
{
    return 1 / std::tan((apparent + 7.31 / (apparent + 4.4)) * std::numbers::pi / 180);
}

TEST(Atmosphere, RefractionFollowsBennettDownToTheHorizon)
{
    const Refraction refraction = refractionFor(550, {1010, 10, 0});
    double before = 0;
    for (const double apparent : {90.0, 60.0, 45.0, 30.0, 20.0, 15.0, 14.0, 10.0, 5.0, 3.0, 2.0, 1.0, 0.5, 0.0}) {
        const double expected = bennett(apparent);
        const double trueAltitude = apparent - expected / 60;
        const double got = refraction.arcsecAt(90 - trueAltitude) / 60;
        EXPECT_NEAR(got, expected, std::max(0.3, 0.01 * expected)) << apparent;
        EXPECT_GE(got, before) << "grows towards the horizon, at " << apparent;
        before = got;
    }
}

// A limit seen (apparent) becomes the true altitude Bennett's refraction
// lifts to it; below the horizon the lift fades without a jump.
TEST(Atmosphere, ALimitSeenIsLoweredByBennettsRefractionAndTheLiftFadesBelow)
{
    const Refraction refraction = refractionFor(550, {1010, 10, 0});
    for (const double apparent : {0.0, 0.5, 2.0, 10.0, 30.0, 60.0})
        EXPECT_NEAR(unrefractedAltitude(apparent, refraction), apparent - bennett(apparent) / 60, 0.3 / 60) << apparent;
    double before = refractedAltitude(-3, refraction);
    EXPECT_EQ(before, -3) << "no lift two degrees down and beyond";
    for (double altitude = -2.99; altitude < 0; altitude += 0.01) {
        const double lifted = refractedAltitude(altitude, refraction);
        EXPECT_GT(lifted, before) << altitude;
        EXPECT_LT(lifted - before, 0.02) << "no jump at " << altitude;
        before = lifted;
    }
}

TEST(Atmosphere, DispersionGrowsDownToTheHorizon)
{
    const Atmosphere air {1013.25, 10, 0.5};
    double before = 0;
    for (const double altitude : {60.0, 20.0, 15.1, 14.9, 5.0, 3.4, 0.64}) {
        const double spread = dispersionArcsec(90 - altitude, 400, 700, air);
        EXPECT_GT(spread, before * 1.01) << altitude;
        before = spread;
    }
}

// The ICAO standard atmosphere: 1013.25 hPa at sea level, 795.0 at 2,000 m, 540.2 at 5,000 m.
TEST(Atmosphere, StandardPressureFollowsTheIcaoTable)
{
    EXPECT_DOUBLE_EQ(standardPressure(0), 1013.25);
    EXPECT_NEAR(standardPressure(2000), 795.0, 0.1);
    EXPECT_NEAR(standardPressure(5000), 540.2, 0.1);
}

// A published table of field rotation for a site at 43.79 N gives -34.506"
// per second of time at azimuth 157.17, altitude 73.14.
TEST(FieldRotation, RateAndExposureLimitFollowThePublishedTable)
{
    const double rate = fieldRotationRate(43.79, 157.17, 73.14);
    EXPECT_NEAR(rate, -34.506, 34.506 * 2e-4);
    // A 640 x 480 sensor: a corner 400 px from the centre moves a pixel in
    // 1 / (rate in radians per second x 400).
    EXPECT_NEAR(*longestExposure(rate, 400), 206264.806 / (34.506 * 400), 0.01);
    EXPECT_FALSE(longestExposure(fieldRotationRate(43.79, 0, 89.99), 400)) << "near the zenith";
    EXPECT_TRUE(longestExposure(3600, 400)) << "a degree a second is still counted";
}

// A horizon of one point stands at its altitude all round; none is flat.
TEST(HorizonProfile, OnePointIsALevelHorizon)
{
    const HorizonProfile one({{120, 15}});
    for (const double azimuth : {0.0, 120.0, 300.0})
        EXPECT_EQ(one.altitudeAt(azimuth), 15) << azimuth;
    EXPECT_EQ(HorizonProfile().altitudeAt(120), 0);
}

TEST(SkyKind, TheSunsAltitudeSaysNightTwilightOrDay)
{
    const std::pair<double, std::string_view> rows[] = {
        {-30, "night"}, {-18.01, "night"}, {-18, "twilight"}, {-6, "twilight"}, {-0.84, "twilight"}, {0, "day"}};
    for (const auto& [altitude, kind] : rows)
        EXPECT_EQ(skyKind(altitude), kind) << altitude;
}

struct Sighting {
    GeoSite site;
    UtcMoment moment;
    const char* body;
    double altitude; // degrees, refracted, from astropy 5.2 (ERFA, its own ephemeris); NaN below the horizon
    double azimuth; // degrees from north through east
    UtcMoment transit;
};

// Against an independent library, astropy 5.2: altitudes within 0.05 deg and
// meridian transits within 2 minutes, both hemispheres.
TEST(SiteView, AltitudesAndTransitsAgreeWithAstropy)
{
    const Sighting rows[] = {
        {{45.46, 9.19, 120}, {2026, 12, 6, 21, 0, 0}, "saturn", 37.442, 221.186, {2026, 12, 6, 18, 54, 12}},
        {{-33.87, 151.21, 50}, {2025, 3, 15, 10, 0, 0}, "moon", 16.203, 83.036, {2025, 3, 15, 14, 56, 3}},
        {{19.82, -155.47, 4200}, {2024, 8, 1, 16, 0, 0}, "jupiter", 54.513, 79.858, {2024, 8, 1, 18, 31, 42}},
        {{-24.63, -70.40, 2635}, {2023, 5, 19, 22, 0, 0}, "mars", 41.418, 341.553, {2023, 5, 19, 21, 0, 50}},
        {{51.48, 0.0, 45}, {2020, 1, 1, 12, 0, 0}, "sun", 15.551, 179.206, {2020, 1, 1, 12, 3, 20}},
        // Near the date line, where the library's own transit strays by minutes.
        {{-45.87, 170.5, 100}, {2022, 7, 10, 9, 30, 0}, "jupiter", NAN, 116.808, {2022, 7, 10, 17, 55, 40}},
    };
    for (const Sighting& row : rows) {
        SCOPED_TRACE(row.body);
        Observation observation {row.site, std::nullopt, 10, 50, 30, 400, 700, false, {}, {}, {}};
        const SkyView sky = viewSky({200, 1000, 5, 640, 480}, 1, row.moment, observation);
        const auto view = std::ranges::find(sky.bodies, findBody(row.body), &BodyView::facts);
        ASSERT_NE(view, sky.bodies.end());
        ASSERT_TRUE(view->fromSite);
        EXPECT_NEAR(view->fromSite->azimuth, row.azimuth, 0.05);
        EXPECT_FALSE(view->fromSite->rotationRate) << "an equatorial mount's field does not turn";
        if (std::isnan(row.altitude))
            continue;
        EXPECT_NEAR(view->fromSite->altitude, row.altitude, 0.05);
        // On an alt-az mount the field turns at the rate for where astropy puts the body.
        observation.altAzMount = true;
        const SkyView turning = viewSky({200, 1000, 5, 640, 480}, 1, row.moment, observation);
        const double rate = fieldRotationRate(row.site.latitude, row.azimuth, row.altitude);
        const auto body = std::ranges::find(turning.bodies, findBody(row.body), &BodyView::facts);
        EXPECT_NEAR(*body->fromSite->rotationRate, rate, std::abs(rate) * 0.02 + 1e-9);
        const UtcMoment& t = row.transit;
        ASSERT_TRUE(view->fromSite->transit);
        EXPECT_NEAR(
            *view->fromSite->transit, julianDay(t.year, t.month, t.day, t.hour, t.minute, t.second), 2.0 / (24 * 60));
    }
}

struct SiteMoment {
    GeoSite site;
    UtcMoment moment;
};

// The verdict agrees with the altitude shown (the upper limb against the
// horizon), even near the poles where the Moon's declination rather than
// the turning sky lifts it; the times come in order about the moment, and
// nothing stands higher than at its transit.
TEST(SiteView, TheVerdictAgreesWithTheAltitudeAndTheTimesComeInOrder)
{
    const SiteMoment rows[] = {{{45.46, 9.19, 120}, {2026, 12, 6, 21, 0, 0}}, {{85, 0, 0}, {2026, 2, 4, 14, 0, 0}},
        {{85, 0, 0}, {2026, 1, 9, 3, 0, 0}}, {{85, 0, 0}, {2026, 3, 19, 2, 0, 0}},
        {{90, 0, 0}, {2026, 6, 21, 12, 0, 0}}, {{-89.99, 139.27, 2835}, {2026, 9, 22, 0, 0, 0}},
        {{78.2, 15.6, 10}, {2026, 3, 3, 11, 0, 0}}, {{78.2, 15.6, 10}, {2026, 12, 21, 12, 0, 0}}};
    for (const SiteMoment& row : rows) {
        const Observation observation {row.site, std::nullopt, -20, 50, 30, 400, 700, true, {}, {}, {}};
        const SkyView sky = viewSky({200, 1000, 5, 640, 480}, 1, row.moment, observation);
        const UtcMoment& m = row.moment;
        const double now = julianDay(m.year, m.month, m.day, m.hour, m.minute, m.second);
        for (const BodyView& body : sky.bodies) {
            SCOPED_TRACE(std::string(body.facts->name) + " at " + isoText(m) + ", latitude " +
                std::to_string(row.site.latitude));
            const SiteView& v = *body.fromSite;
            const bool upperLimbUp = v.altitude + body.apparentDiameterArcsec / 7200 >= 0;
            EXPECT_TRUE(v.passage != Passage::AlwaysAbove || upperLimbUp) << v.altitude;
            EXPECT_TRUE(v.passage != Passage::NeverAbove || !upperLimbUp) << v.altitude;
            if (v.rise && v.set && upperLimbUp) {
                EXPECT_LE(*v.rise, now);
                EXPECT_GE(*v.set, now);
            }
            EXPECT_LT(v.rise.value_or(-1e9), v.transit.value_or(1e9));
            EXPECT_LT(v.transit.value_or(-1e9), v.set.value_or(1e9));
            if (v.transit && std::fabs(row.site.latitude) < 60) {
                EXPECT_GT(*v.transitAltitude, v.altitude - 1e-9);
            }
            EXPECT_TRUE(!v.windowStart || (*v.windowStart < *v.windowEnd && *v.transitAltitude >= 30));
            EXPECT_EQ(v.dispersionPixels.has_value(), v.altitude > 0);
            EXPECT_EQ(v.dispersionRough, v.dispersionPixels && v.altitude < 5);
            EXPECT_EQ(v.rotationRate.has_value(), v.altitude > 0) << "an alt-az mount's field turns";
        }
    }
}

// Each edge of a night's window is where the Sun's upper limb sets or rises, or
// where the body crosses the lowest altitude: inside, both hold; a minute
// outside, one fails.
TEST(SiteView, WindowEdgesAreWhereTheSkyOrTheBodyCrosses)
{
    const Observation milan {{45.46, 9.19, 120}, 998.9, 10, 50, 30, 400, 700, false, {}, {}, {}};
    const optics::OpticalTrain train {203, 2032, 5.6, 640, 480};
    const auto seen = [&](double julianDay, Body body) {
        const SkyView sky = viewSky(train, 0.5685, utcMomentOf(julianDay), milan);
        const auto find = [&sky](Body wanted) {
            return *std::ranges::find(sky.bodies, wanted, [](const BodyView& b) { return b.facts->body; });
        };
        const BodyView sun = find(Body::Sun);
        const double upperLimb = sun.fromSite->altitude + sun.apparentDiameterArcsec / 2 / 3600;
        return std::pair {upperLimb, find(body).fromSite->altitude};
    };
    const auto holds = [&](double julianDay, Body body) {
        const auto [sunLimb, altitude] = seen(julianDay, body);
        return sunLimb < 0 && altitude >= milan.minAltitude;
    };
    const double second = 1.0 / 86400;
    for (int month = 1; month <= 12; ++month) {
        const UtcMoment moment {2026, month, 1 + 2 * month, 21, 0, 0};
        const double now = julianDay(moment.year, moment.month, moment.day, moment.hour, moment.minute, 0);
        const SkyView sky = viewSky(train, 0.5685, moment, milan);
        for (const BodyView& body : sky.bodies) {
            const SiteView& v = *body.fromSite;
            if (body.facts->body == Body::Sun || !v.windowStart)
                continue;
            SCOPED_TRACE(std::string(body.facts->name) + " on " + isoText(moment));
            EXPECT_TRUE(holds(*v.windowStart + 10 * second, body.facts->body));
            EXPECT_TRUE(holds(*v.windowEnd - 10 * second, body.facts->body));
            if (*v.windowStart > now - 0.5 + second) {
                EXPECT_FALSE(holds(*v.windowStart - 60 * second, body.facts->body));
            }
            if (*v.windowEnd < now + 0.5 - second) {
                EXPECT_FALSE(holds(*v.windowEnd + 60 * second, body.facts->body));
            }
        }
    }
}

// At noon no window holds the moment: the one given is the day's longest,
// against a count every ten minutes.
TEST(SiteView, AWindowAwayFromTheMomentIsTheDaysLongest)
{
    const Observation milan {{45.46, 9.19, 120}, 998.9, 10, 50, 30, 400, 700, false, {}, {}, {}};
    const optics::OpticalTrain train {203, 2032, 5.6, 640, 480};
    constexpr int kSamples = 144;
    int compared = 0;
    for (int month = 1; month <= 12; month += 3) {
        const UtcMoment moment {2026, month, 15, 12, 0, 0};
        const double now = julianDay(moment.year, moment.month, moment.day, moment.hour, moment.minute, 0);
        const SkyView sky = viewSky(train, 0.5685, moment, milan);
        // Up and dark, sample by sample, for every body.
        std::vector<std::vector<bool>> up(sky.bodies.size());
        for (int i = 0; i < kSamples; ++i) {
            const SkyView then = viewSky(train, 0.5685, utcMomentOf(now - 0.5 + (i + 0.5) / kSamples), milan);
            const BodyView& sun = then.bodies.front();
            const bool dark = sun.fromSite->altitude + sun.apparentDiameterArcsec / 2 / 3600 < 0;
            for (std::size_t b = 0; b < then.bodies.size(); ++b)
                up[b].push_back(dark && then.bodies[b].fromSite->altitude >= milan.minAltitude);
        }
        for (std::size_t b = 1; b < sky.bodies.size(); ++b) {
            const SiteView& v = *sky.bodies[b].fromSite;
            if (!v.windowStart || (*v.windowStart <= now && now <= *v.windowEnd))
                continue;
            int longest = 0;
            for (int i = 0, run = 0; i < kSamples; ++i)
                longest = std::max(longest, run = up[b][std::size_t(i)] ? run + 1 : 0);
            EXPECT_GE((*v.windowEnd - *v.windowStart) * kSamples, longest - 1.0) << sky.bodies[b].facts->name;
            ++compared;
        }
    }
    EXPECT_GT(compared, 4);
}

} // namespace
} // namespace velmora::sky
