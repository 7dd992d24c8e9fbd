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
        EXPECT_EQ(body["mosaic_frames"], body["mosaic_columns"].get<double>() * body["mosaic_rows"].get<double>());
    }
    const std::string csv = invoke(with(kVesta, {"--date", "1850-01-01", "--format", "csv"})).out;
    EXPECT_TRUE(csv.starts_with("date,body,distance_km,")) << csv;
    EXPECT_EQ(std::ranges::count(csv, '\n'), 1 + 9) << "Pluto's series starts in 1885";
}

// A train far beyond any use still gives counts, never a wrapped number.
TEST(VelmoraCalcDate, ExtremeTrainsCountFramesWithoutOverflow)
{
    const Json sun = jsonOf({"--aperture", "200", "--focal-length", "2000", "--pixel-size", "0.001", "--width", "1",
        "--height", "1", "--date", "2024-01-01"})["bodies"][0];
    EXPECT_GT(sun["mosaic_columns"].get<double>(), 2e7);
    EXPECT_GT(sun["mosaic_frames"].get<double>(), 4e14);
    EXPECT_EQ(
        sun["mosaic_frames"].get<double>(), sun["mosaic_columns"].get<double>() * sun["mosaic_rows"].get<double>());
}

} // namespace
} // namespace velmora::cli
