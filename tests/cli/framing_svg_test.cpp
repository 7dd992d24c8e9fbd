#include "cli_run.h"
#include "formats/readable_number.h"
#include "support/temp_file.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <fstream>
#include <iterator>
#include <string>

namespace velmora::cli {
namespace {

using Json = nlohmann::json;

std::string fileText(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

// The scene's geometry is the planning layer's; here, that the picture says
// from a site the target's altitude and usable hours as the JSON does, and
// without one neither.
TEST(Framing, FromASiteTheTargetsAltitudeAndHoursAreWritten)
{
    const std::vector<std::string> rig = {"--telescope", "CelestronOTC8", "--camera", "StarlightXpressSXVH9", "--frame",
        "M42", "--format", "json", "--svg", testPath("m42.svg")};
    const Invocation run = invoke(with(rig, {"--date", "2026-12-20T22:00Z", "--site", "45.46,9.19,120"}));
    ASSERT_EQ(run.status, 0) << run.err;
    const Json site = Json::parse(run.out)["target_site"];
    const std::string said = "altitude " + formats::readableNumber(site["altitude_deg"].get<double>()) + " deg, " +
        formats::readableNumber(site["usable_hours"].get<double>()) + " h usable tonight";
    EXPECT_NE(fileText(testPath("m42.svg")).find(said), std::string::npos) << said;
    ASSERT_EQ(invoke(rig).status, 0);
    EXPECT_EQ(fileText(testPath("m42.svg")).find("usable tonight"), std::string::npos);
}

// Pictures as the program draws them, looked at and kept: every line, style
// and caption, the site's included, must come out the same.
TEST(Framing, PicturesAreDrawnExactlyAsBefore)
{
    const std::vector<std::string> vesta = {
        "--telescope", "CelestronOTC8", "--camera", "PhilipsVesta", "--date", "2026-12-06T21:00Z", "--frame"};
    const std::vector<std::string> canon = {"--aperture", "80", "--focal-length", "500", "--pixel-size", "5.2",
        "--width", "4272", "--height", "2848", "--frame", "Andromeda Galaxy"};
    const std::vector<std::string> tiny = {"--aperture", "2000", "--focal-length", "20000", "--pixel-size", "5.2",
        "--width", "400", "--height", "300", "--frame", "M31", "--overlap", "30"};
    const std::vector<std::string> fromMilan = {"--telescope", "CelestronOTC8", "--camera", "StarlightXpressSXVH9",
        "--frame", "M42", "--date", "2026-12-20T22:00Z", "--site", "45.46,9.19,120"};
    const std::pair<std::vector<std::string>, const char*> pictures[] = {{with(vesta, {"sun"}), "sun-mosaic.svg"},
        {with(vesta, {"jupiter"}), "jupiter.svg"}, {canon, "m31.svg"}, {tiny, "m31-mosaic.svg"},
        {fromMilan, "m42-from-milan.svg"}};
    for (const auto& [args, expected] : pictures) {
        const std::string path = testPath(expected);
        const Invocation drawing = invoke(with(args, {"--svg", path}));
        ASSERT_EQ(drawing.status, 0) << drawing.err;
        EXPECT_EQ(fileText(path), fileText(std::string(VELMORA_TEST_DATA_DIR) + "/framing/" + expected)) << expected;
    }
}

} // namespace
} // namespace velmora::cli
