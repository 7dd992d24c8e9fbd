#include "cli_run.h"
#include "formats/readable_number.h"
#include "support/temp_file.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <pugixml.hpp>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>

namespace velmora::cli {
namespace {

using Json = nlohmann::json;

struct Picture {
    int rectangles = 0;
    double radius = 0;
    std::string captions;
    double ellipseTurn = 0; // degrees, from transform="rotate(...)"
    double ellipseRx = 0;
    double ellipseRy = 0;
    double groupTurn = 0;
};

double turnOf(const pugi::xml_node& node)
{
    std::string transform = node.attribute("transform").as_string();
    return std::stod(transform.substr(transform.find('(') + 1));
}

// Walks every element of the document, in order.
void readNode(const pugi::xml_node& node, Picture& picture)
{
    for (const pugi::xml_node& child : node.children()) {
        if (child.type() != pugi::node_element)
            continue;
        const std::string_view name = child.name();
        if (name == "rect")
            ++picture.rectangles;
        if (name == "circle")
            picture.radius = child.attribute("r").as_double();
        if (name == "ellipse") {
            picture.ellipseTurn = turnOf(child);
            picture.ellipseRx = child.attribute("rx").as_double();
            picture.ellipseRy = child.attribute("ry").as_double();
        }
        if (name == "g")
            picture.groupTurn = turnOf(child);
        if (name == "text")
            picture.captions += std::string(child.text().get()) + '\n';
        readNode(child, picture);
    }
}

Picture readSvg(const std::string& path)
{
    Picture picture;
    pugi::xml_document svg;
    const pugi::xml_parse_result parsed = svg.load_file(path.c_str());
    EXPECT_TRUE(parsed) << path << ": " << parsed.description();
    readNode(svg, picture);
    return picture;
}

// Draws the framing these arguments ask for and reads the picture back.
Picture drawn(const std::vector<std::string>& args, Invocation* run = nullptr)
{
    const std::string path = testPath("framing.svg");
    const Invocation drawing = invoke(with(args, {"--svg", path}));
    EXPECT_EQ(drawing.status, 0) << drawing.err;
    Picture picture = readSvg(path);
    std::filesystem::remove(path);
    if (run)
        *run = drawing;
    return picture;
}

// Where a direction on the sky at this position angle points on a page with
// north up and east to the left, and where rotate(turn) sends the page's x axis.
std::pair<double, double> onThePage(double positionAngle)
{
    const double a = positionAngle * M_PI / 180;
    return {-std::sin(a), -std::cos(a)};
}

bool parallel(std::pair<double, double> u, double turn)
{
    const double t = turn * M_PI / 180;
    return std::abs(u.first * std::sin(t) - u.second * std::cos(t)) < 1e-3;
}

TEST(Framing, DeepSkyObjectNorthUpEastLeftAtItsAngles)
{
    Invocation run;
    const Picture picture = drawn({"--aperture", "80", "--focal-length", "500", "--pixel-size", "5.2", "--width",
                                      "4272", "--height", "2848", "--frame", "Andromeda Galaxy", "--format", "json"},
        &run);
    const Json target = Json::parse(run.out)["target"];
    EXPECT_EQ(picture.rectangles, 1 + 2); // the ground and two frames
    EXPECT_NEAR(picture.ellipseRx, 177.83 / 2, 1e-3);
    EXPECT_NEAR(picture.ellipseRy, 69.66 / 2, 1e-3);
    // The major axis lies along position angle 35; the frames' width along
    // the mosaic's angle plus 90, as the width runs east-west at 0.
    EXPECT_TRUE(parallel(onThePage(35), picture.ellipseTurn)) << picture.ellipseTurn;
    EXPECT_FALSE(parallel(onThePage(125), picture.ellipseTurn)) << picture.ellipseTurn;
    EXPECT_TRUE(parallel(onThePage(target["mosaic_angle_deg"].get<double>() + 90), picture.groupTurn))
        << picture.groupTurn;
    for (const char* words : {"M31 / NGC224 (Andromeda Galaxy)", "2 x 1 frames", "N\n", "E\n"})
        EXPECT_TRUE(picture.captions.find(words) != std::string::npos) << words << picture.captions;
}

// From a site, the picture says the target's altitude and usable hours
// as the JSON does; without one it says neither.
TEST(Framing, FromASiteTheTargetsAltitudeAndHoursAreWritten)
{
    const std::vector<std::string> rig = {
        "--telescope", "CelestronOTC8", "--camera", "StarlightXpressSXVH9", "--frame", "M42", "--format", "json"};
    Invocation run;
    const Picture fromSite = drawn(with(rig, {"--date", "2026-12-20T22:00Z", "--site", "45.46,9.19,120"}), &run);
    const Json site = Json::parse(run.out)["target_site"];
    const std::string said = "altitude " + formats::readableNumber(site["altitude_deg"].get<double>()) + " deg, " +
        formats::readableNumber(site["usable_hours"].get<double>()) + " h usable tonight";
    EXPECT_NE(fromSite.captions.find(said), std::string::npos) << said << fromSite.captions;
    EXPECT_EQ(drawn(rig).captions.find("usable tonight"), std::string::npos);
}

std::string fileText(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

// Pictures as the program drew them before its framing moved into the
// planning layer's scenes: every line, style and caption must come out the same.
TEST(Framing, PicturesAreDrawnExactlyAsBefore)
{
    const std::vector<std::string> vesta = {
        "--telescope", "CelestronOTC8", "--camera", "PhilipsVesta", "--date", "2026-12-06T21:00Z", "--frame"};
    const std::vector<std::string> canon = {"--aperture", "80", "--focal-length", "500", "--pixel-size", "5.2",
        "--width", "4272", "--height", "2848", "--frame", "Andromeda Galaxy"};
    const std::vector<std::string> tiny = {"--aperture", "2000", "--focal-length", "20000", "--pixel-size", "5.2",
        "--width", "400", "--height", "300", "--frame", "M31", "--overlap", "30"};
    const std::pair<std::vector<std::string>, const char*> pictures[] = {{with(vesta, {"sun"}), "sun-mosaic.svg"},
        {with(vesta, {"jupiter"}), "jupiter.svg"}, {canon, "m31.svg"}, {tiny, "m31-mosaic.svg"}};
    for (const auto& [args, expected] : pictures) {
        const std::string path = testPath(expected);
        const Invocation drawing = invoke(with(args, {"--svg", path}));
        ASSERT_EQ(drawing.status, 0) << drawing.err;
        EXPECT_EQ(fileText(path), fileText(std::string(VELMORA_TEST_DATA_DIR) + "/framing/" + expected)) << expected;
    }
}

} // namespace
} // namespace velmora::cli
