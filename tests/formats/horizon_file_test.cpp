#include "formats/horizon_file.h"
#include "support/refusal.h"
#include "support/temp_file.h"

#include <gtest/gtest.h>

namespace velmora::formats {
namespace {

struct Refused {
    const char* text;
    const char* message;
};

TEST(HorizonFile, HostileFilesAreRefusedWithTheirLine)
{
    const Refused rows[] = {
        {"", "h.hrz:1: a horizon needs points at two azimuths at least, the file gives 0"},
        {"# only a comment\n\n", "h.hrz:2: a horizon needs points at two azimuths at least, the file gives 0"},
        {"10 5\n", "h.hrz:1: a horizon needs points at two azimuths at least, the file gives 1"},
        {"10 5\n10 7\n", "h.hrz:2: a horizon needs points at two azimuths at least, the file gives 1"},
        {"0 5\n361 7\n", "h.hrz:2: the azimuth '361' is not from 0 to 360"},
        {"0 5\n-1 7\n", "h.hrz:2: the azimuth '-1' is not from 0 to 360"},
        {"0 5\n90 91\n", "h.hrz:2: the altitude '91' is not from -90 to 90"},
        {"0 5\n90\n", "h.hrz:2: '90' is not an azimuth and an altitude in degrees"},
        {"0 5\n90 10 3\n", "h.hrz:2: '90 10 3' is not an azimuth and an altitude in degrees"},
        {"0 5\nnan 10\n", "h.hrz:2: the azimuth 'nan' is not a finite decimal number"},
        {"0 5\n90 1e999\n", "h.hrz:2: the altitude '1e999' is not a finite decimal number"},
        {"0 5\n9\xff 10\n", "h.hrz:2: the azimuth '9\\xFF' is not a finite decimal number"},
    };
    for (const Refused& row : rows)
        EXPECT_EQ(
            refusalOf([&] { parseHorizon(row.text, "h.hrz"); }).substr(0, std::string(row.message).size()), row.message)
            << row.text;
}

struct Reading {
    double azimuth;
    double altitude;
};

// Points in any order, with repeats, comments, commas and CRLF; read
// linearly between them and round through north.
TEST(HorizonFile, ProfilesAreReadBetweenPointsAndRoundThroughNorth)
{
    std::vector<std::string> warnings;
    const sky::HorizonProfile profile =
        parseHorizon("\xEF\xBB\xBF# trees\r\n270 20\r\n90, 10 # barn\n 0 0\n180 30\n90 14\n\n", "h.hrz",
            [&warnings](const std::string& warning) { warnings.push_back(warning); });
    ASSERT_EQ(profile.points().size(), 4u) << "the last of equal azimuths is kept";
    EXPECT_EQ(warnings,
        std::vector<std::string> {"h.hrz:6: the azimuth '90' is given again (line 3 gave it); this line counts"});
    const sky::HorizonProfile marked = parseHorizon("\xEF\xBB\xBF"
                                                    "0 5\n180 7\n",
        "h.hrz");
    EXPECT_NEAR(marked.altitudeAt(0), 5, 1e-9) << "a byte-order mark is no part of the first azimuth";
    const Reading rows[] = {{0, 0}, {45, 7}, {90, 14}, {135, 22}, {180, 30}, {225, 25}, {270, 20}, {315, 10},
        {359, 20.0 / 90}, {360, 0}, {-45, 10}, {405, 7}};
    for (const Reading& row : rows)
        EXPECT_NEAR(profile.altitudeAt(row.azimuth), row.altitude, 1e-9) << row.azimuth;

    const sky::HorizonProfile full = parseHorizon("90 5\n360 7\n", "h.hrz"); // 360 is north, as 0 is
    EXPECT_NEAR(full.altitudeAt(0), 7, 1e-9);
    EXPECT_NEAR(full.altitudeAt(45), 6, 1e-9);
    const sky::HorizonProfile wrapping = parseHorizon("350 10\n10 20\n", "h.hrz");
    EXPECT_NEAR(wrapping.altitudeAt(0), 15, 1e-9);
    EXPECT_NEAR(wrapping.altitudeAt(180), 15, 1e-9);
}

TEST(HorizonFile, OnlyRegularFilesAreRead)
{
    EXPECT_NE(refusalOf([&] { readHorizonFile(testFolder().string()); }).find("cannot read"), std::string::npos);
    EXPECT_NE(refusalOf([&] { readHorizonFile(testPath("missing")); }).find("cannot read"), std::string::npos);
    EXPECT_EQ(readHorizonFile(tempFile("h.hrz", "0 1\n180 3\n")).altitudeAt(90), 2);
}

} // namespace
} // namespace velmora::formats
