#include "calc/calculation.h"
#include "cli_run.h"
#include "presets/catalogue.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <ostream>
#include <ranges>
#include <tuple>

namespace velmora::cli {
namespace {

using Json = nlohmann::json;

const std::vector<std::string> kWorkedExample = {
    "--aperture", "200", "--focal-length", "1000", "--pixel-size", "5.6", "--width", "640", "--height", "480"};

Json jsonOf(const std::vector<std::string>& args)
{
    const Invocation run = invoke(with(args, {"--format", "json"}));
    EXPECT_EQ(run.status, 0) << run.err;
    return Json::parse(run.out);
}

double result(const Json& document, std::string_view id)
{
    for (const Json& r : document["results"]) {
        if (r["id"] == id)
            return r["value"];
    }
    return std::nan("");
}

TEST(VelmoraCalc, WorkedExamplesEqualTheWindowEngineToTheLastBit)
{
    const std::pair<std::vector<std::string>, InputTexts> cases[] = {
        {kWorkedExample, {"200", "1000", "5.6", "640", "480"}},
        {{"--telescope", "celestronotc8", "--camera", "PHILIPSVESTA"}, {"203", "2032", "5.6", "640", "480"}},
        {{"--telescope", "TakahashiFS102", "--camera", "Apogee32ME"}, {"102", "820", "6.8", "2184", "1472"}},
    };
    for (const auto& [args, texts] : cases) {
        const Json document = jsonOf(args);
        const Outcome window = calculate(texts, ",");
        ASSERT_EQ(document["results"].size(), window.results.size());
        for (std::size_t i = 0; i < window.results.size(); ++i) {
            const Json& r = document["results"][i];
            EXPECT_EQ(r["id"], window.results[i].quantity->id);
            EXPECT_EQ(r["value"].get<double>(), window.results[i].value) << r["id"]; // exact, not near
            std::string text = window.results[i].text;
            std::ranges::replace(text, ',', '.');
            EXPECT_EQ(r["text"], text);
        }
    }
}

TEST(VelmoraCalc, BarlowTwoWithBinningTwoKeepsTheScaleAndTheTubeWeight)
{
    const Json plain = jsonOf(kWorkedExample);
    const Json train = jsonOf(with(kWorkedExample, {"--barlow", "2", "--binning", "2"}));
    for (const char* id : {"pixel_field", "km_per_pixel_moon", "km_per_pixel_jupiter_far", "tube_weight"})
        EXPECT_DOUBLE_EQ(result(train, id), result(plain, id)) << id;
    EXPECT_DOUBLE_EQ(result(train, "focal_ratio"), 2 * result(plain, "focal_ratio"));
    EXPECT_DOUBLE_EQ(result(train, "sensor_diagonal"), result(plain, "sensor_diagonal")); // 320 x 240 of 11.2 um
    EXPECT_EQ(train["inputs"]["effective_width_px"], 320);
}

// Published worked figures, held to 0.5%: pixel scales of 0.686"/px and
// 1.03"/px, and f/13.7 for 3.76 um pixels at 550 nm.
TEST(VelmoraCalc, PublishedFiguresAgreeWithinHalfAPercent)
{
    const std::tuple<std::vector<std::string>, const char*, double> figures[] = {
        {{"--pixel-size", "5.40", "--focal-length", "1624.44"}, "/results/4/value", 0.686},
        {{"--pixel-size", "5", "--focal-length", "1000"}, "/results/4/value", 1.03},
        {{"--pixel-size", "3.76", "--focal-length", "1000", "--seeing", "2"}, "/sampling/critical_focal_ratio", 13.7}};
    for (const auto& [args, path, published] : figures) {
        const Json document = jsonOf(with(args, {"--aperture", "200", "--width", "640", "--height", "480"}));
        EXPECT_NEAR(document.at(Json::json_pointer(path)).get<double>(), published, published * 0.005) << path;
    }
}

struct VerdictRow {
    const char* seeing; // over the worked example's 1.155168" pixels
    const char* rule;
    const char* verdict;
};

TEST(VelmoraCalc, SamplingVerdictsFollowTheRule)
{
    const VerdictRow rows[] = {{"2", "2-3", "undersampled"}, {"2.4", "2-3", "well sampled"},
        {"3.6", "2-3", "oversampled"}, {"1.6", "howell", "undersampled"}, {"1.8", "howell", "well sampled"},
        {"30", "howell", "well sampled"}};
    for (const VerdictRow& row : rows) {
        const Json sampling = jsonOf(with(kWorkedExample, {"--seeing", row.seeing, "--sampling-rule", row.rule}))["sampling"];
        EXPECT_EQ(sampling["verdict"], row.verdict) << row.seeing << " " << row.rule;
    }
    // Under 2" the window is 0.667" to 1": a barlow of 1.155 to 1.733 reaches it, no binning does.
    const Json advice = jsonOf(with(kWorkedExample, {"--seeing", "2"}))["sampling"];
    EXPECT_NEAR(advice["barlow_range"][0].get<double>(), 1.155168 * 2 / 2, 1e-9);
    EXPECT_NEAR(advice["barlow_range"][1].get<double>(), 1.155168 * 3 / 2, 1e-9);
    EXPECT_EQ(advice["good_binnings"], Json::array());
    EXPECT_EQ(jsonOf(with(kWorkedExample, {"--seeing", "5"}))["sampling"]["good_binnings"], Json::array({2}));
}

struct UsageRow {
    const char* name;
    std::vector<std::string> args;
    const char* named; // what the error line must name
};

TEST(UsageErrors, ExitTwoWithOneLineAndNothingOnStandardOutput)
{
    const UsageRow rows[] = {UsageRow {"Word", with(kWorkedExample, {"--aperture", "abc"}), "--aperture: 'abc'"},
        UsageRow {"TrailingText", with(kWorkedExample, {"--focal-length", "1000mm"}), "--focal-length: '1000mm'"},
        UsageRow {"BeyondDouble", with(kWorkedExample, {"--aperture", "1e999"}), "'1e999'"},
        UsageRow {"Zero", with(kWorkedExample, {"--pixel-size", "0"}), "--pixel-size: '0'"},
        UsageRow {"Negative", with(kWorkedExample, {"--barlow", "-2"}), "--barlow: '-2'"},
        UsageRow {"FractionalWidth", with(kWorkedExample, {"--width", "640.5"}), "--width: '640.5'"},
        UsageRow {"BinningAboveEight", with(kWorkedExample, {"--binning", "9"}), "--binning: '9'"},
        UsageRow {"MissingPixelSize", {"--telescope", "CelestronC5"}, "pixel size"},
        UsageRow {"UnknownTelescope", {"--telescope", "Hubble", "--camera", "PhilipsVesta"}, "'Hubble'"},
        UsageRow {"UnknownOption", {"--colour"}, "--colour"},
        UsageRow {"UnknownSortKey", {"--sweep", "--sort-by", "weight"}, "'weight'"},
        UsageRow {"SweepWithEquipment", {"--sweep", "--camera", "PhilipsVesta"}, "--sweep"},
        UsageRow {"MissingFits", {"--fits", "/nonexistent.fits"}, "/nonexistent.fits"},
        UsageRow {"DateNotIso", with(kWorkedExample, {"--date", "06/12/2026"}), "--date: '06/12/2026'"},
        UsageRow {"DateThatDoesNotExist", with(kWorkedExample, {"--date", "2026-02-30"}), "'2026-02-30'"},
        UsageRow {"DateBefore1800", with(kWorkedExample, {"--date", "1799-12-31"}), "1800 to 2200"},
        UsageRow {"HourThatDoesNotExist", with(kWorkedExample, {"--date", "2026-12-06T25:00Z"}), "T25:00Z'"},
        UsageRow {"FrameWithoutPicture", with(kWorkedExample, {"--date", "now", "--frame", "mars"}), "--svg"},
        UsageRow {"FrameWithoutDate", with(kWorkedExample, {"--frame", "mars", "--svg", "x.svg"}), "--date"}};
    for (const UsageRow& row : rows) {
        SCOPED_TRACE(row.name);
        const Invocation run = invoke(row.args);
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(std::ranges::count(run.err, '\n'), 1) << run.err;
        EXPECT_NE(run.err.find(row.named), std::string::npos) << run.err;
    }
}

TEST(VelmoraCalc, ArithmeticFailurePrintsWhatCameBeforeAndNamesTheQuantity)
{
    const Invocation run = invoke({"--aperture", "1e200", "--focal-length", "1e200", "--pixel-size", "5", "--width",
        "10", "--height", "10", "--format", "json"});
    EXPECT_EQ(run.status, 1);
    const Json results = Json::parse(run.out)["results"];
    ASSERT_EQ(results.size(), 5u) << "up to the pixel field";
    EXPECT_EQ(results[3]["value"], 1) << "the focal ratio";
    EXPECT_NE(run.err.find("ccd_limiting_magnitude"), std::string::npos) << run.err;
}

TEST(VelmoraCalc, SweepCoversEveryPairInEveryFormatAndSorts)
{
    const Invocation csv = invoke({"--sweep", "--format", "csv", "--seeing", "2"});
    EXPECT_EQ(std::ranges::count(csv.out, '\n'), 222);
    EXPECT_TRUE(csv.out.starts_with("telescope,camera,")) << csv.out.substr(0, 40);
    const Json sorted = Json::parse(invoke({"--sweep", "--format", "json", "--sort-by", "pixel_field"}).out);
    ASSERT_EQ(sorted.size(), 221u);
    EXPECT_TRUE(std::ranges::is_sorted(sorted, {}, [](const Json& row) { return row["pixel_field"].get<double>(); }));
    EXPECT_EQ(std::ranges::count(invoke({"--sweep"}).out, '\n'), 222);
}

class UserCatalogue : public ::testing::Test {
protected:
    std::string write(const std::string& contents)
    {
        std::ofstream(path_, std::ios::binary) << contents;
        return path_;
    }
    void TearDown() override { std::remove(path_.c_str()); }
    std::string path_ = ::testing::TempDir() + "velmora_catalogue.csv";
};

const std::string kHeader = "kind,name,aperture_mm,focal_length_mm,pixel_um,width_px,height_px\n";

TEST_F(UserCatalogue, EntriesJoinTheListsTheSweepAndTheLookups)
{
    const std::string file = write(kHeader + "telescope,My Dob,254,1200,,,\r\ncamera,ASI462,,,2.9,1936,1096\n");
    EXPECT_NE(invoke({"--catalogue", file, "--list", "telescopes"}).out.find("My Dob"), std::string::npos);
    EXPECT_EQ(std::ranges::count(invoke({"--catalogue", file, "--sweep", "--format", "csv"}).out, '\n'), 18 * 14 + 1);
    const Json document = jsonOf({"--catalogue", file, "--telescope", "my dob", "--camera", "asi462"});
    EXPECT_EQ(document["inputs"]["focal_length_mm"], 1200);
}

TEST_F(UserCatalogue, BadLineIsReportedByNumberAndNothingIsComputed)
{
    const std::pair<std::string, std::string> bad[] = {{"telescope,X,254,abc,,,\n", ":2: focal_length_mm: 'abc'"},
        {"camera,Y,,,2.9,1936\n", ":2: expected 7"}, {"telescope,Z,254,1200,3,,\n", ":2: pixel_um must stay empty"},
        {"mount,W,,,,,\n", ":2: kind 'mount'"}, {"telescope,CelestronC5,1,1,,,\n", ":2: a telescope named"}};
    for (const auto& [line, named] : bad) {
        const Invocation run = invoke({"--catalogue", write(kHeader + line), "--sweep"});
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(run.out, "");
        EXPECT_NE(run.err.find(named), std::string::npos) << run.err;
    }
    EXPECT_NE(invoke({"--catalogue", write("name,kind\n"), "--sweep"}).err.find(":1: the header"), std::string::npos);
}

} // namespace
} // namespace velmora::cli
