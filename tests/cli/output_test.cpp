#include "cli/refusal_text.h"
#include "cli/writers.h"
#include "cli_run.h"
#include "formats/readable_number.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <regex>
#include <sstream>

namespace velmora::cli {
namespace {

using Json = nlohmann::json;

const std::vector<std::string> kVesta = {"--telescope", "CelestronOTC8", "--camera", "PhilipsVesta"};

// A refusal in the command line's words: the option first, how to give a
// missing figure, where to list equipment names, and nothing more.
TEST(RefusalText, NamesTheOptionAndHowToGoOn)
{
    using planning::Refusal;
    using planning::Subject;
    const std::pair<Refusal, const char*> refusals[] = {
        {Refusal(Subject::Aperture, "missing the aperture", true),
            "missing the aperture: give --aperture, --telescope, or --fits with APTDIA"},
        {Refusal(Subject::Height, "missing the sensor height", true),
            "missing the sensor height: give --height, --camera or --fits"},
        {Refusal(Subject::Telescope, "no telescope named 'X'"),
            "--telescope: no telescope named 'X'; see --list telescopes"},
        {Refusal(Subject::Camera, "no camera named 'X'"), "--camera: no camera named 'X'; see --list cameras"},
        {Refusal(Subject::Lens, "no lens named 'X'"), "--lens: no lens named 'X'; see --list lenses"},
        {Refusal(Subject::Binning, "8 leaves no whole binned pixel"), "--binning: 8 leaves no whole binned pixel"},
        {Refusal(Subject::Frame, "jupiter is below the horizon"), "--frame: jupiter is below the horizon"},
        {Refusal(Subject::Suggest, "no field"), "--suggest: no field"},
        {Refusal(Subject::Overlap, "50% is outside"), "--overlap: 50% is outside"}};
    for (const auto& [refusal, text] : refusals)
        EXPECT_EQ(refusalText(refusal), text);
}

// Every figure in the text output of a single computation, with seeing and
// date, keeps to the rule: no exponent, at most 4 significant digits unless
// a whole number of 1,000 or more.
TEST(TextOutput, FiguresAreForReading)
{
    const Invocation run = invoke(with(kVesta, {"--seeing", "2", "--date", "2026-12-06T21:00Z", "--barlow", "2.5"}));
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out.find("e+"), std::string::npos);
    EXPECT_EQ(run.out.find("e-"), std::string::npos);
    const std::regex figure(R"((^|[ (])(-?\d+(\.\d+)?)(?=$|[ )]))");
    std::istringstream lines(run.out);
    int figures = 0;
    for (std::string line; std::getline(lines, line);) {
        if (line.find("2026-12-06T") != std::string::npos)
            continue;
        for (auto it = std::sregex_iterator(line.begin(), line.end(), figure); it != std::sregex_iterator(); ++it) {
            const std::string text = (*it)[2];
            std::string digits = std::regex_replace(text, std::regex(R"([-.])"), "");
            digits.erase(0, std::min(digits.find_first_not_of('0'), digits.size()));
            const bool whole = text.find('.') == std::string::npos;
            EXPECT_TRUE(digits.size() <= 4 || (whole && std::stod(text) >= 1000)) << text << " in: " << line;
            ++figures;
        }
    }
    EXPECT_GT(figures, 60);
    EXPECT_TRUE(std::regex_search(run.out, std::regex(R"(\n  Pixel field +[0-9.]+ +arcsec/px\n)")))
        << "the pixel field's unit says per pixel";
}

TEST(TextOutput, BodiesOutwardFromTheSunEachOnesNearestAndFarthestTogether)
{
    const std::string out = invoke(with(kVesta, {"--date", "2026-12-06T21:00Z"})).out;
    std::vector<std::size_t> places;
    for (const char* label : {"Sun ", "Mercury, nearest", "Mercury, farthest", "Venus, nearest", "Venus, farthest",
             "Moon ", "Mars, nearest", "Mars, farthest", "Jupiter, nearest", "Jupiter, farthest", "Saturn", "Pluto"})
        places.push_back(out.find(label));
    EXPECT_TRUE(std::ranges::is_sorted(places)) << out;
    EXPECT_EQ(std::ranges::count(places, std::string::npos), 0);
    const std::size_t table = out.find("Bodies on");
    std::vector<std::size_t> rows;
    for (const char* body : {"\nsun ", "\nmercury ", "\nvenus ", "\nmoon ", "\nmars ", "\npluto "})
        rows.push_back(out.find(body, table));
    EXPECT_TRUE(std::ranges::is_sorted(rows)) << out.substr(table);
}

TEST(TextOutput, FiguresLineUpOnTheDecimalPoint)
{
    std::ostringstream out;
    writeTextRecord(
        out, {{"a", "Short", "mm", 12.5}, {"b", "Longer label", "mm", 0.5911}, {"c", "Big", "km", 12205.0}});
    EXPECT_EQ(out.str(),
        "  Short            12.5     mm\n"
        "  Longer label      0.5911  mm\n"
        "  Big           12205       km\n");
}

TEST(TextOutput, NamesAreShownSafelyAndAlignedByDisplayWidth)
{
    std::ostringstream out;
    const auto table = rowWriter(out, {Format::Text});
    table->row({{"name", "Name", "", std::string("Zeiss \xC3\xA8")}, {"n", "N", "", 1.0}});
    table->row({{"name", "Name", "", std::string("Plain12")}, {"n", "N", "", 22.0}});
    table->finish();
    EXPECT_EQ(out.str(), "Name     N\nZeiss \xC3\xA8   1\nPlain12  22\n");
}

// JSON of every mode parses with a strict parser; texts with quotes survive.
TEST(JsonOutput, EveryModeIsStrictJson)
{
    // Texts come back whole through a strict parser; a byte that is not UTF-8 as U+FFFD.
    for (const std::string text : {"\\", "\"", "\\\"", "plain", "\x01", "caf\xC3\xA9"})
        EXPECT_EQ(Json::parse(jsonValue(text)), text) << text;
    EXPECT_EQ(Json::parse(jsonValue(std::string("bad\xFF"))), "bad\xEF\xBF\xBD");
    const std::vector<std::string> modes[] = {kVesta, with(kVesta, {"--seeing", "2"}),
        with(kVesta, {"--date", "2026-12-06T21:00Z"}), {"--sweep"}, {"--sweep", "--seeing", "1e308"},
        {"--list", "cameras"},
        {"--aperture", "1e200", "--focal-length", "1e200", "--pixel-size", "5", "--width", "10", "--height", "10"}};
    for (const auto& args : modes) {
        const Invocation run = invoke(with(args, {"--format", "json"}));
        EXPECT_TRUE(Json::accept(run.out)) << run.out.substr(0, 200);
        EXPECT_EQ(run.out.find("inf"), std::string::npos);
    }
    const Json sampling = Json::parse(
        invoke(with(kVesta, {"--seeing", "2", "--sampling-rule", "howell", "--format", "json"})).out)["sampling"];
    EXPECT_TRUE(sampling["barlow_range"][1].is_null()) << "a rule with no upper bound";
    EXPECT_EQ(sampling["verdict"], "well sampled");
    const std::string text = invoke(with(kVesta, {"--seeing", "2", "--sampling-rule", "howell"})).out;
    EXPECT_NE(text.find(" or more"), std::string::npos) << "a barlow range without an upper end\n" << text;
}

TEST(CsvOutput, OneRowWithTheTrainResultsAndSampling)
{
    const Invocation run = invoke(with(kVesta, {"--seeing", "2", "--format", "csv"}));
    ASSERT_EQ(std::ranges::count(run.out, '\n'), 2);
    const std::string header = run.out.substr(0, run.out.find('\n'));
    EXPECT_TRUE(header.starts_with("telescope,camera,aperture_mm,focal_length_mm,pixel_um,width_px,height_px,barlow,"
                                   "binning,"))
        << header;
    EXPECT_TRUE(header.ends_with("tube_weight,seeing_arcsec,pixels_per_fwhm,verdict")) << header;
    EXPECT_NE(run.out.find("\nCelestronOTC8,PhilipsVesta,203,2032,5.6,640,480,1,1,"), std::string::npos) << run.out;
}

} // namespace
} // namespace velmora::cli
