#include "cli_run.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <QFile>
#include <QXmlStreamReader>

#include <filesystem>
#include <fstream>

namespace velmora::cli {
namespace {

using Json = nlohmann::json;

struct Picture {
    int rectangles = 0;
    double radius = 0;
    QString captions;
};

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

} // namespace
} // namespace velmora::cli
