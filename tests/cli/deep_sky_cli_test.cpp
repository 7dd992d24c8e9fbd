#include "cli_json.h"
#include "support/temp_file.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace velmora::cli {
namespace {

const std::vector<std::string> kEightInch = {"--telescope", "CelestronOTC8", "--camera", "StarlightXpressSXVH9"};
const std::vector<std::string> kShortRefractor = {
    "--aperture", "80", "--focal-length", "500", "--pixel-size", "5.2", "--width", "4272", "--height", "2848"};

TEST(DeepSkyCli, TargetInEveryFormat)
{
    const Json m51 = jsonOf(with(kEightInch, {"--target", "whirlpool galaxy"}))["target"];
    EXPECT_EQ(m51["catalogue_name"], "NGC5194");
    // OpenNGC's figures for NGC 5194, each in its own field.
    EXPECT_EQ(m51["major_axis_arcmin"], 13.71);
    EXPECT_EQ(m51["minor_axis_arcmin"], 11.67);
    EXPECT_EQ(m51["position_angle_deg"], 163);
    EXPECT_EQ(m51["magnitude"], 8.36);
    EXPECT_EQ(m51["overlap_percent"], 10);
    EXPECT_TRUE(m51["notes"].is_null()) << m51["notes"] << ": its mosaic is within reach";

    const Json m31 = jsonOf(with(kShortRefractor, {"--target", "M31", "--overlap", "20%"}))["target"];
    EXPECT_EQ(m31["mosaic_frames"], 2);
    EXPECT_EQ(m31["overlap_percent"], 20);

    // CSV: the train, the results and the target on one row under one header.
    const Invocation csv = invoke(with(kEightInch, {"--target", "M76", "--format", "csv"}));
    ASSERT_EQ(csv.status, 0) << csv.err;
    ASSERT_EQ(std::ranges::count(csv.out, '\n'), 2);
    const std::string header = csv.out.substr(0, csv.out.find('\n'));
    EXPECT_TRUE(header.starts_with("telescope,camera,")) << header;
    EXPECT_NE(header.find(",target,catalogue_name,type,"), std::string::npos) << header;
    EXPECT_NE(csv.out.find("taken as round"), std::string::npos);

    const Invocation text = invoke(with(kEightInch, {"--target", "M1"})); // 8' x 4', no position angle
    EXPECT_NE(text.out.find("\nTarget\n"), std::string::npos);
    EXPECT_NE(text.out.find("no position angle in the catalogue: taken as 0 deg"), std::string::npos) << text.out;
    EXPECT_EQ(text.out.find("taken as round"), std::string::npos) << text.out;
}

TEST(DeepSkyCli, SuggestionsHonourEveryFilter)
{
    const Json rows =
        jsonOf(with(kEightInch, {"--suggest", "--type", "nebula", "--max-magnitude", "12", "--min-fill", "0.2"}));
    ASSERT_FALSE(rows.empty());
    for (const Json& row : rows) { // that they fit, and their order, are the core's
        EXPECT_GE(row["fill"].get<double>(), 0.2) << row["target"];
        EXPECT_LE(row["magnitude"].get<double>(), 12) << row["target"];
        EXPECT_NE(row["kinds"].get<std::string>().find("nebula"), std::string::npos) << row["type"];
    }
    EXPECT_GT(jsonOf(with(kEightInch, {"--suggest"})).size(), rows.size());
    // A full field may be asked; with no object that full, scripts still get the columns.
    const Invocation full = invoke(with(kEightInch, {"--suggest", "--min-fill", "1", "--format", "csv"}));
    EXPECT_EQ(full.status, 0);
    EXPECT_TRUE(full.out.starts_with("target,catalogue_name,type,")) << full.out;
    EXPECT_EQ(std::ranges::count(full.out, '\n'), 1) << full.out;
}

// A damaged catalogue in the folder VELMORA_DATA_DIR names.
TEST(DeepSkyCli, ADamagedCatalogueIsRefusedWithItsLine)
{
    const auto folder = testFolder() / "damaged_data";
    std::filesystem::create_directories(folder / "openngc");
    std::ofstream(folder / "openngc" / "NGC.csv") << "Name;Type;RA;Dec;MajAx;MinAx;PosAng;B-Mag;V-Mag;M;NGC;IC;Common "
                                                     "names\nNGC0001;G;00:07:15.84;+27:42:29.1;1.57;1.07;x;;;;;;\n";
    std::ofstream(folder / "openngc" / "addendum.csv") << "";
    ::setenv("VELMORA_DATA_DIR", folder.c_str(), 1);
    const Invocation run = invoke(with(kEightInch, {"--target", "M31"}));
    ::unsetenv("VELMORA_DATA_DIR");
    std::filesystem::remove_all(folder);
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err.find("NGC.csv:2: PosAng 'x'"), std::string::npos) << run.err;
}

} // namespace
} // namespace velmora::cli
