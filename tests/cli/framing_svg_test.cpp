#include "cli_run.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <QFile>
#include <QXmlStreamReader>

#include <cmath>
#include <filesystem>
#include <fstream>

namespace velmora::cli {
namespace {

using Json = nlohmann::json;

struct Picture {
    int rectangles = 0;
    double radius = 0;
    QString captions;
    double ellipseTurn = 0; // degrees, from transform="rotate(...)"
    double ellipseRx = 0;
    double ellipseRy = 0;
    double groupTurn = 0;
};

double turnOf(const QXmlStreamAttributes& attributes)
{
    QString transform = attributes.value(QStringLiteral("transform")).toString();
    return transform.remove(QStringLiteral("rotate(")).remove(QLatin1Char(')')).toDouble();
}

Picture readSvg(const std::string& path)
{
    Picture picture;
    QFile file(QString::fromStdString(path));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path;
    QXmlStreamReader svg(&file);
    while (!svg.atEnd()) {
        if (svg.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (svg.name() == u"rect")
            ++picture.rectangles;
        if (svg.name() == u"circle")
            picture.radius = svg.attributes().value(QStringLiteral("r")).toDouble();
        if (svg.name() == u"ellipse") {
            picture.ellipseTurn = turnOf(svg.attributes());
            picture.ellipseRx = svg.attributes().value(QStringLiteral("rx")).toDouble();
            picture.ellipseRy = svg.attributes().value(QStringLiteral("ry")).toDouble();
        }
        if (svg.name() == u"g")
            picture.groupTurn = turnOf(svg.attributes());
        if (svg.name() == u"text")
            picture.captions += svg.readElementText() + QLatin1Char('\n');
    }
    EXPECT_FALSE(svg.hasError()) << svg.errorString().toStdString();
    return picture;
}

const std::vector<std::string> kVesta = {"--telescope", "CelestronOTC8", "--camera", "PhilipsVesta"};

TEST(Framing, ValidSvgWithTheDiskToScaleAndTheMosaicGrid)
{
    const std::string path = ::testing::TempDir() + "velmora_moon.svg";
    const Invocation run = invoke(with(kVesta, {"--date", "2026-12-06T21:00Z", "--frame", "MOON", "--svg", path}));
    ASSERT_EQ(run.status, 0) << run.err;
    const Picture picture = readSvg(path);
    EXPECT_EQ(picture.rectangles, 1 + 6 * 8 + 1); // ground, the mosaic's frames, the sensor
    const Json moon =
        Json::parse(invoke(with(kVesta, {"--date", "2026-12-06T21:00Z", "--format", "json"})).out)["bodies"][1];
    EXPECT_NEAR(picture.radius, moon["disk_px"].get<double>() / 2, 0.01);
    EXPECT_TRUE(picture.captions.contains(QStringLiteral("mosaic of 6 x 8 frames"))) << picture.captions.toStdString();
    std::filesystem::remove(path);
}

TEST(Framing, AHugeMosaicIsDrawnAsItsOutlineAndAFailedWriteKeepsTheOldFile)
{
    const std::string path = ::testing::TempDir() + "velmora_sun.svg";
    const std::vector<std::string> tiny = {"--aperture", "200", "--focal-length", "2000", "--pixel-size", "5.6",
        "--width", "1", "--height", "1", "--date", "2024-01-01", "--frame", "sun", "--svg"};
    ASSERT_EQ(invoke(with(tiny, {path})).status, 0);
    const Picture picture = readSvg(path);
    EXPECT_EQ(picture.rectangles, 3) << "the ground, the mosaic's outline, the sensor";
    EXPECT_TRUE(picture.captions.contains(QStringLiteral("mosaic of 3"))) << picture.captions.toStdString();

    std::ofstream(path) << "old";
    const std::string folder = ::testing::TempDir() + "velmora_svg_folder";
    std::filesystem::create_directories(folder);
    const std::pair<std::string, const char*> refused[] = {
        {folder, "it is a folder"}, {::testing::TempDir() + "no/such/folder/x.svg", "No such file"}};
    for (const auto& [target, why] : refused) {
        const Invocation run = invoke(with(tiny, {target}));
        EXPECT_EQ(run.status, 3);
        EXPECT_EQ(run.out, "");
        EXPECT_NE(run.err.find(why), std::string::npos) << run.err;
    }
    std::ifstream old(path);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(old), {}), "old");
    std::filesystem::remove(path);
    std::filesystem::remove_all(folder);
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
    const std::string path = ::testing::TempDir() + "velmora_m31.svg";
    const std::vector<std::string> refractor = {
        "--aperture", "80", "--focal-length", "500", "--pixel-size", "5.2", "--width", "4272", "--height", "2848"};
    const Invocation run = invoke(with(refractor, {"--frame", "Andromeda Galaxy", "--svg", path, "--format", "json"}));
    ASSERT_EQ(run.status, 0) << run.err;
    const Json target = Json::parse(run.out)["target"];
    const Picture picture = readSvg(path);
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
        EXPECT_TRUE(picture.captions.contains(QString::fromUtf8(words))) << words << picture.captions.toStdString();
    std::filesystem::remove(path);
}

} // namespace
} // namespace velmora::cli
