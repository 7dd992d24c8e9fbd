#include "cli_json.h"
#include "support/temp_file.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <filesystem>

namespace velmora::cli {
namespace {

// The oculars file of a user, a byte-order mark and CRLF line ends included.
const std::string kOcularsIni = std::string(VELMORA_TEST_DATA_DIR) + "/ocular.ini";

TEST(EquipmentCli, AnOcularsFileGivesThePublishedScale)
{
    const std::vector<std::string> rig = {"--catalogue", kOcularsIni, "--telescope", "Celestron Onyx 80EDF", "--camera",
        "EOS 450D (APS-C)", "--format", "json"};
    const Invocation bare = invoke(rig);
    ASSERT_EQ(bare.status, 0) << bare.err;
    const Json document = Json::parse(bare.out);
    // 206265 x 5.2 um / 500 mm, and 2 atan(22.2 / 1000) per axis.
    EXPECT_NEAR(resultOf(document, "pixel_field"), 2.145, 0.0005);
    EXPECT_NEAR(resultOf(document, "sensor_field_width") / 60, 2.545, 2.545 * 0.002);
    EXPECT_NEAR(resultOf(document, "sensor_field_height") / 60, 1.697, 1.697 * 0.002);
    const Json reduced = Json::parse(invoke(with(rig, {"--lens", "f/6.3 reducer"})).out);
    EXPECT_NEAR(resultOf(reduced, "pixel_field"), 3.405, 0.0005);
    EXPECT_EQ(reduced["inputs"]["barlow"], 0.63);
    EXPECT_NE(invoke({"--catalogue", kOcularsIni, "--list", "lenses"}).out.find("F/6.3 Reducer"), std::string::npos);
}

TEST(EquipmentCli, ALaterCatalogueWinsAndSaysSo)
{
    const std::string header = "kind,name,aperture_mm,focal_length_mm,pixel_um,width_px,height_px\n";
    const std::string first = tempFile("velmora_first.csv", header + "telescope,Dob,254,1200,,,\n");
    const std::string second = tempFile("velmora_second.csv", header + "telescope,DOB,300,1500,,,\n");
    const Invocation run = invoke({"--catalogue", first, "--catalogue", second, "--telescope", "dob", "--camera",
        "PhilipsVesta", "--format", "json"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(Json::parse(run.out)["inputs"]["aperture_mm"], 300);
    EXPECT_NE(run.err.find("warning: the telescope 'DOB' of '" + second + "' replaces the one of '" + first + "'"),
        std::string::npos)
        << run.err;
}

TEST(EquipmentCli, ExportReplacesTheFileOnlyWhenComplete)
{
    const std::string target = tempFile("velmora_export.xml", "old");
    ASSERT_EQ(invoke({"--export", "oal", "--output", target}).status, 0);
    const Invocation back = invoke({"--catalogue", target, "--list", "cameras", "--format", "csv"});
    EXPECT_EQ(back.status, 0) << back.err;
    EXPECT_EQ(back.out, invoke({"--list", "cameras", "--format", "csv"}).out);
    EXPECT_EQ(back.err, "") << "the built-in entries come back unchanged";

    const Invocation refused = invoke({"--export", "csv", "--output", testFolder().string()});
    EXPECT_EQ(refused.status, 3);
    EXPECT_EQ(refused.out, "");
}

// FIFOs and folders are the process test's.
TEST(EquipmentCli, HugeAndCutFilesAreRefusedWithNothingPrinted)
{
    const std::string huge = tempFile("velmora_huge.ini", "");
    std::filesystem::resize_file(huge, 16 * 1024 * 1024 + 1);
    const std::pair<std::string, const char*> refused[] = {{huge, "larger than 16 MB"},
        {tempFile("velmora_cut.xml", "<?xml version=\"1.0\"?>\n<oal:observations"), "cut.xml:2:"}};
    for (const auto& [path, why] : refused) {
        const Invocation run = invoke({"--catalogue", path, "--list", "lenses"});
        EXPECT_EQ(run.status, 2) << path;
        EXPECT_EQ(run.out, "") << path;
        EXPECT_NE(run.err.find(why), std::string::npos) << run.err;
    }
}

} // namespace
} // namespace velmora::cli
