#include "cli_json.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <algorithm>

namespace velmora::cli {
namespace {

const std::vector<std::string> kVesta = {"--telescope", "CelestronOTC8", "--camera", "PhilipsVesta"};

TEST(VelmoraCalcDate, GivesAllTenBodiesInStepOrderForScripts)
{
    const Json document = jsonOf(with(kVesta, {"--date", "2026-12-06T21:00Z"}));
    EXPECT_EQ(document["date"], "2026-12-06T21:00:00Z");
    const Json bodies = document["bodies"];
    ASSERT_EQ(bodies.size(), 10u);
    const char* order[] = {
        "sun", "moon", "mercury", "venus", "mars", "jupiter", "saturn", "uranus", "neptune", "pluto"};
    for (std::size_t i = 0; i < bodies.size(); ++i) {
        const Json& body = bodies[i];
        EXPECT_EQ(body["body"], order[i]);
        const bool rotates = body["body"] == "mars" || body["body"] == "jupiter" || body["body"] == "saturn";
        EXPECT_EQ(body.contains("max_capture_s"), rotates) << body["body"];
    }
    // The Sun's 3425 px disk on the Vesta's 640 x 480 px frames, stepping 576 and 432 px: 6 x 8 frames.
    EXPECT_EQ(bodies[0]["mosaic_columns"], 6);
    EXPECT_EQ(bodies[0]["mosaic_rows"], 8);
    EXPECT_EQ(bodies[0]["mosaic_frames"], 48);
    const std::string csv = invoke(with(kVesta, {"--date", "1850-01-01", "--format", "csv"})).out;
    EXPECT_TRUE(csv.starts_with("date,body,distance_km,")) << csv;
    EXPECT_EQ(std::ranges::count(csv, '\n'), 1 + 9) << "Pluto's series starts in 1885";
}

// A train far beyond any use still gives counts, never a wrapped number.
TEST(VelmoraCalcDate, ExtremeTrainsCountFramesWithoutOverflow)
{
    const Json sun = jsonOf({"--aperture", "200", "--focal-length", "2000", "--pixel-size", "0.001", "--width", "1",
        "--height", "1", "--date", "2024-01-01"})["bodies"][0];
    // A 1 px frame of 0.001 um at 2 m spans 0.000103"; the Sun's 1951" disk needs 18.9 million frames
    // across at a step of 0.9 px: 3.6e14 frames in all, which doubles count without wrapping.
    EXPECT_NEAR(sun["mosaic_columns"].get<double>(), 2.1e7, 0.05e7);
    EXPECT_EQ(sun["mosaic_rows"], sun["mosaic_columns"]) << "square frames";
    EXPECT_NEAR(sun["mosaic_frames"].get<double>(), 4.4e14, 0.1e14);
}

} // namespace
} // namespace velmora::cli
