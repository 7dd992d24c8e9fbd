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

// A refusal in the command line's words: the option first, why, how to
// give a missing figure, where to list equipment names.
TEST(RefusalText, NamesTheOptionWhyAndHowToGoOn)
{
    using planning::Reason;
    using planning::Refusal;
    using planning::Subject;
    const optics::PlausibleRange gains {0, 300};
    const std::pair<Refusal, const char*> refusals[] = {
        {Refusal::missing(Subject::Aperture),
            "missing the aperture: give --aperture, --telescope, or --fits with APTDIA"},
        {Refusal::missing(Subject::Height), "missing the sensor height: give --height, --camera or --fits"},
        {Refusal::missing(Subject::Gain, gains),
            "missing the gain (the camera file gives read noise at gains 0 to 300): give --gain"},
        {Refusal::outOfBounds(Subject::Gain, 301, gains),
            "--gain: the gain 301 is outside the table: the camera file gives read noise at gains 0 to 300"},
        {Refusal::outOfBounds(Subject::Overlap, 50, {0, 50, false, true}),
            "--overlap: the overlap 50 is not from 0 to below 50"},
        {Refusal::aboutName(Subject::Telescope, Reason::NotFound, "X", {"C8"}),
            "--telescope: no telescope named 'X' (did you mean C8?); see --list telescopes"},
        {Refusal::aboutName(Subject::Camera, Reason::NotFound, "X"),
            "--camera: no camera named 'X'; see --list cameras"},
        {Refusal::aboutName(Subject::Lens, Reason::NoLetters, "!!"),
            "--lens: '!!' holds no letter or digit, and names go by those alone; see --list lenses"},
        {Refusal::aboutName(Subject::Target, Reason::NoSize, "M40"),
            "--target: M40 has no size in the catalogue, so it cannot be framed"},
        {Refusal(Subject::Binning, Reason::NoWholeBinnedPixel, {8, 7, 480}),
            "--binning: 8 leaves no whole binned pixel on a sensor of 7 x 480 px"},
        {Refusal(Subject::Frame, Reason::OutsideSeries, {1000}), "--frame: the body's series does not cover 1000"},
        {Refusal(Subject::Frame, Reason::NoPixelField),
            "--frame: the pixel field could not be computed, so nothing can be placed on the sensor"},
        {Refusal(Subject::Suggest, Reason::ChipNotFinite, {1.5, 2}),
            "--suggest: the rig's chip (1.5 x 2 mm) is not a positive finite size, so nothing can be framed on it"},
        {Refusal(Subject::Target, Reason::FieldNotFinite, {INFINITY, 2}),
            "--target: the rig's field is not a positive finite size, so nothing can be framed on it"},
        {Refusal(Subject::Obstruction, Reason::ObstructionTooLarge, {250, 200}),
            "--obstruction: the obstruction 250 mm is not smaller than the aperture 200 mm"},
        {Refusal(Subject::RankBy, Reason::NeedsSiteAndDate), "--rank-by: usable hours need a site and a date"},
        {Refusal(Subject::RankBy, Reason::NeedsExposure),
            "--rank-by: the hours needed are known only with the exposure's figures, such as the sky's brightness"},
    };
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
