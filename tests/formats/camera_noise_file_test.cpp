#include "formats/camera_noise_file.h"
#include "support/refusal.h"
#include "support/temp_file.h"

#include <gtest/gtest.h>

#include <string>

namespace velmora::formats {
namespace {

// A camera file as an exposure calculator keeps it: two read modes, the
// first with a switch between gains 99 and 100, points out of order.
constexpr const char* kCamera = R"(<?xml version="1.0" encoding="utf-8"?>
<Camera xmlns:xsi="http://www.w3.org/2001/XMLSchema-instance">
  <CameraId> Example IMX571 Mono </CameraId>
  <SensorType>MONOCHROME</SensorType>
  <CameraPixelSize>3.76</CameraPixelSize>
  <CameraQuantumEfficiency>80</CameraQuantumEfficiency>
  <CameraGainReadMode>
    <GainReadNoiseValues>
      <GainReadNoiseValue><Gain>100</Gain><ReadNoise>1.46</ReadNoise></GainReadNoiseValue>
      <GainReadNoiseValue><Gain>0</Gain><ReadNoise>3.5</ReadNoise></GainReadNoiseValue>
      <GainReadNoiseValue><Gain>99</Gain><ReadNoise>2.88</ReadNoise></GainReadNoiseValue>
    </GainReadNoiseValues>
  </CameraGainReadMode>
  <CameraGainReadMode>
    <GainReadNoiseValue><Gain>0</Gain><ReadNoise>9</ReadNoise></GainReadNoiseValue>
  </CameraGainReadMode>
</Camera>
)";

TEST(CameraNoiseFile, ReadsTheCameraAndItsFirstReadMode)
{
    const CameraNoise camera = parseCameraNoise(kCamera, "c.xml");
    EXPECT_EQ(camera.id, "Example IMX571 Mono");
    EXPECT_EQ(camera.colour, false);
    EXPECT_EQ(camera.pixelSize, 3.76);
    EXPECT_DOUBLE_EQ(*camera.quantumEfficiency, 0.8);
    EXPECT_EQ(camera.readModes, 2u);
    ASSERT_EQ(camera.readNoise.points().size(), 3u);
    EXPECT_EQ(camera.readNoise.at(99), 2.88);
    EXPECT_EQ(camera.readNoise.at(100), 1.46);
}

TEST(CameraNoiseFile, LeavesOutWhatItDoesNotGiveAndReadsSharesAndPrefixes)
{
    const CameraNoise camera = parseCameraNoise("<c:Cam xmlns:c='urn:x'><c:SensorType>color</c:SensorType>"
                                                "<c:CameraQuantumEfficiency>0.55</c:CameraQuantumEfficiency>"
                                                "<c:CameraGainReadMode><c:GainReadNoiseValue><c:Gain>120</c:Gain>"
                                                "<c:ReadNoise>1.2</c:ReadNoise></c:GainReadNoiseValue>"
                                                "</c:CameraGainReadMode></c:Cam>",
        "c.xml");
    EXPECT_EQ(camera.id, "");
    EXPECT_EQ(camera.colour, true);
    EXPECT_EQ(camera.pixelSize, std::nullopt);
    EXPECT_EQ(camera.quantumEfficiency, 0.55);
    EXPECT_EQ(camera.readNoise.at(120), 1.2);
}

struct Refused {
    std::string text;
    const char* message;
};

// A camera of one read mode, with what else it says on its first line.
std::string modeWith(const std::string& points, const std::string& facts = "")
{
    return "<C>" + facts + "\n<CameraGainReadMode>\n" + points + "</CameraGainReadMode>\n</C>\n";
}

std::string point(const char* gain, const char* readNoise)
{
    return std::string("<GainReadNoiseValue><Gain>") + gain + "</Gain><ReadNoise>" + readNoise +
        "</ReadNoise></GainReadNoiseValue>\n";
}

TEST(CameraNoiseFile, HostileFilesAreRefusedWithTheirPlace)
{
    const Refused rows[] = {
        {"", "c.xml:1:1: No document element found"},
        {"<C/>", "c.xml:1:2: no <CameraGainReadMode>: the file gives no read noise"},
        {"<!DOCTYPE C [<!ENTITY e 'x'>]><C/>", "c.xml:1:1: a document type declaration is not accepted"},
        {"\xEF\xBB\xBF<!DOCTYPE C><C/>", "c.xml:1:4: a document type declaration is not accepted"},
        {"<C><CameraGainReadMode>", "c.xml:1:23: Start-end tags mismatch"},
        {modeWith(""), "c.xml:2:2: <CameraGainReadMode> has no <GainReadNoiseValue>"},
        {modeWith(point("0", "3") + point("0", "2")), "c.xml:4:2: gain 0 is given twice in this read mode"},
        {modeWith(point("-1", "3")), "c.xml:3:22: <Gain> -1 is not from 0 to 100000"},
        {modeWith(point("1", "-3")), "c.xml:3:36: <ReadNoise> -3 is not from 0 to 100"},
        {modeWith(point("1", "1e308")), "c.xml:3:36: <ReadNoise> 1e308 is not from 0 to 100"},
        {modeWith(point("100001", "3")), "c.xml:3:22: <Gain> 100001 is not from 0 to 100000"},
        {modeWith(point("1", "nan")), "c.xml:3:36: <ReadNoise>: 'nan' is not a finite decimal number"},
        {modeWith("<GainReadNoiseValue><Gain>1</Gain></GainReadNoiseValue>\n"),
            "c.xml:3:2: <GainReadNoiseValue> has no <ReadNoise>"},
        {modeWith(point("0", "1"), "<SensorType>RGB</SensorType>"),
            "c.xml:1:5: <SensorType> 'RGB' is not MONOCHROME or COLOR"},
        {modeWith(point("0", "1"), "<CameraQuantumEfficiency>0</CameraQuantumEfficiency>"),
            "c.xml:1:5: <CameraQuantumEfficiency>: '0' is not a positive"},
        {modeWith(point("0", "1"), "<CameraQuantumEfficiency>101</CameraQuantumEfficiency>"),
            "c.xml:1:5: <CameraQuantumEfficiency> is above 100%"},
        {modeWith(point("0", "1"), "<CameraId>\xff</CameraId>"), "c.xml:1:5: <CameraId> is not UTF-8"},
    };
    for (const Refused& row : rows)
        EXPECT_EQ(refusalOf([&] { parseCameraNoise(row.text, "c.xml"); }).substr(0, std::string(row.message).size()),
            row.message)
            << row.text;
}

// An efficiency up to 1 is a share, past it a percentage, up to 100.
TEST(CameraNoiseFile, EfficienciesAreSharesOrPercentages)
{
    const std::pair<const char*, double> rows[] = {{"0.5", 0.5}, {"1", 1}, {"1.5", 0.015}, {"100", 1}};
    for (const auto& [text, share] : rows) {
        const std::string file =
            modeWith(point("0", "1"), std::string("<CameraQuantumEfficiency>") + text + "</CameraQuantumEfficiency>");
        EXPECT_DOUBLE_EQ(*parseCameraNoise(file, "c.xml").quantumEfficiency, share) << text;
    }
}

TEST(CameraNoiseFile, DeepNestingIsWalkedWithoutRecursion)
{
    std::string deep;
    for (int i = 0; i < 100000; ++i)
        deep += "<a>";
    for (int i = 0; i < 100000; ++i)
        deep += "</a>";
    EXPECT_EQ(refusalOf([&] { parseCameraNoise("<C>" + deep + "</C>", "c.xml"); }),
        "c.xml:1:2: no <CameraGainReadMode>: the file gives no read noise");
}

TEST(CameraNoiseFile, ReadsOnlyRegularFiles)
{
    EXPECT_EQ(readCameraNoiseFile(tempFile("camera.xml", kCamera)).readNoise.points().size(), 3u);
    EXPECT_NE(refusalOf([&] { readCameraNoiseFile(testFolder().string()); }).find("cannot read"), std::string::npos);
}

} // namespace
} // namespace velmora::formats
