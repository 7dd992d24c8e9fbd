#include "cli/ephemeris.h"
#include "cli/sky.h"
#include "cli_run.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <QFile>
#include <QXmlStreamReader>

#include <filesystem>

namespace velmora::cli {
namespace {

using Json = nlohmann::json;

const std::vector<std::string> kVesta = {"--telescope", "CelestronOTC8", "--camera", "PhilipsVesta"};

// Independent published figures, each held to 0.01% of the distance.
TEST(Ephemeris, DistancesAgreeWithPublishedFigures)
{
    // Meeus, Astronomical Algorithms, example 47.a: the Moon at 1992 April 12, 0h TD.
    EXPECT_NEAR(positionAt(Body::Moon, 2448724.5).distanceKm, 368409.7, 368409.7 * 1e-4);
    // NASA, the closest approach of Mars, 2003 August 27, 9:51 UT: 55,758,006 km.
    EXPECT_NEAR(positionAt(Body::Mars, julianEphemerisDay(2003, 8, 27, 9, 51, 0)).distanceKm, 55758006, 5575.8);
}

// The capture limit P s / (pi theta) is the time the disk's centre takes to
// cross one pixel at the equatorial rotation velocity; NASA's planetary fact
// sheet gives Jupiter's as 12.6 km/s. Held to 1%.
TEST(Sky, CaptureLimitMatchesThePublishedRotationVelocity)
{
    const OpticalTrain train {203, 2032, 5.6, 640, 480};
    const double pixelField = 0.5685; // arcseconds
    const double distance = 6.3e8; // km
    const BodyView jupiter = viewBody(*findBody("jupiter"), train, pixelField, {distance, 1});
    const double pixelKm = distance * pixelField / 206264.806;
    EXPECT_NEAR(*jupiter.maxCaptureSeconds, pixelKm / 12.6, pixelKm / 12.6 * 0.01);
    EXPECT_FALSE(viewBody(*findBody("venus"), train, pixelField, {distance, 1}).maxCaptureSeconds);
}

TEST(VelmoraCalcDate, GivesAllTenBodiesWithTheirFraming)
{
    const Invocation run = invoke(with(kVesta, {"--date", "2026-12-06T21:00Z", "--format", "json"}));
    ASSERT_EQ(run.status, 0) << run.err;
    const Json bodies = Json::parse(run.out)["bodies"];
    ASSERT_EQ(bodies.size(), 10u);
    for (const Json& body : bodies) {
        for (const char* key : {"distance_km", "apparent_diameter_arcsec", "km_per_pixel", "disk_px", "fits_sensor",
                 "mosaic_frames", "illuminated_fraction"})
            EXPECT_TRUE(body.contains(key)) << body["body"] << " " << key;
        const bool rotates = body["body"] == "mars" || body["body"] == "jupiter" || body["body"] == "saturn";
        EXPECT_EQ(body.contains("max_capture_s"), rotates) << body["body"];
        // The disk in pixels is its apparent diameter over the pixel field.
        EXPECT_NEAR(body["disk_px"].get<double>() * 0.568488188976378,
            body["apparent_diameter_arcsec"].get<double>(), 1e-9 * body["apparent_diameter_arcsec"].get<double>());
    }
    EXPECT_EQ(bodies[0]["body"], "sun");
    EXPECT_EQ(bodies[0]["fits_sensor"], false);
    EXPECT_EQ(bodies[0]["mosaic_frames"], 6 * 8); // 3425 px on 640 x 480 frames overlapping by 10%
    EXPECT_EQ(invoke(with(kVesta, {"--date", "1850-01-01", "--format", "csv"})).out.find("pluto"), std::string::npos)
        << "Pluto's series starts in 1885";
}

TEST(VelmoraCalcDate, FramingIsValidSvgWithTheDiskToScaleAndTheMosaicGrid)
{
    const std::string path = ::testing::TempDir() + "velmora_moon.svg";
    const Invocation run = invoke(with(kVesta, {"--date", "2026-12-06T21:00Z", "--frame", "moon", "--svg", path}));
    ASSERT_EQ(run.status, 0) << run.err;
    QFile file(QString::fromStdString(path));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QXmlStreamReader svg(&file);
    int rectangles = 0;
    double radius = 0;
    while (!svg.atEnd()) {
        if (svg.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (svg.name() == u"rect")
            ++rectangles;
        if (svg.name() == u"circle")
            radius = svg.attributes().value(QStringLiteral("r")).toDouble();
    }
    EXPECT_FALSE(svg.hasError()) << svg.errorString().toStdString();
    EXPECT_EQ(rectangles, 1 + 6 * 8 + 1); // ground, the mosaic's frames, the sensor
    const Json moon = Json::parse(invoke(with(kVesta, {"--date", "2026-12-06T21:00Z", "--format", "json"})).out)["bodies"][1];
    EXPECT_NEAR(radius, moon["disk_px"].get<double>() / 2, 0.01);
    std::filesystem::remove(path);
}

} // namespace
} // namespace velmora::cli
