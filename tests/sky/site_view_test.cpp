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
        const Observation observation {row.site, {standardPressure(row.site.elevation), 10, 0.5}};
        const SkyView sky = viewSky({200, 1000, 5, 640, 480}, 1, row.moment, observation);
        const auto view = std::ranges::find(sky.bodies, findBody(row.body), &BodyView::facts);
        ASSERT_NE(view, sky.bodies.end());
        ASSERT_TRUE(view->fromSite);
        if (!std::isnan(row.altitude)) {
            EXPECT_NEAR(view->fromSite->altitude, row.altitude, 0.05);
        }
        EXPECT_NEAR(view->fromSite->azimuth, row.azimuth, 0.05);
        EXPECT_FALSE(view->fromSite->rotationRate) << "an equatorial mount's field does not turn";
        const UtcMoment& t = row.transit;
        ASSERT_TRUE(view->fromSite->transit);
        EXPECT_NEAR(
            *view->fromSite->transit, julianDay(t.year, t.month, t.day, t.hour, t.minute, t.second), 2.0 / (24 * 60));
    }
}

TEST(SiteView, WindowsRiseAndSetHangTogether)
{
    const Observation milan {{45.46, 9.19, 120}, {998.9, 10, 0.5}, 30, 400, 700, true};
    const SkyView sky = viewSky({203, 2032, 5.6, 640, 480}, 0.5685, {2026, 12, 6, 21, 0, 0}, milan);
    ASSERT_TRUE(sky.sunAltitude);
    EXPECT_LT(*sky.sunAltitude, -18) << "9 pm in December at Milan is night";
    for (const BodyView& body : sky.bodies) {
        SCOPED_TRACE(std::string(body.facts->name));
        const SiteView& v = *body.fromSite;
        if (v.rise && v.set) {
            EXPECT_LT(*v.rise, *v.transit);
            EXPECT_LT(*v.transit, *v.set);
            EXPECT_GT(*v.transitAltitude, v.altitude - 1e-9) << "nothing stands higher than at its transit";
        }
        if (v.windowStart) {
            EXPECT_LT(*v.windowStart, *v.windowEnd);
            EXPECT_GE(*v.transitAltitude, milan.minAltitude);
        }
        EXPECT_EQ(v.dispersionPixels.has_value(), v.altitude > 0);
        EXPECT_EQ(v.rotationRate.has_value(), v.altitude > 0) << "an alt-az mount's field turns";
    }
}

} // namespace
} // namespace velmora::sky
