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

} // namespace
} // namespace velmora::cli
