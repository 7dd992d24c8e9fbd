#include "calc/calculation.h"
#include "cli_json.h"
#include "formats/readable_number.h"
#include "planning/figures.h"
#include "support/fits_image.h"
#include "support/temp_file.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <algorithm>
#include <ranges>
#include <tuple>

namespace velmora::cli {
namespace {

const std::vector<std::string> kWorkedExample = {
    "--aperture", "200", "--focal-length", "1000", "--pixel-size", "5.6", "--width", "640", "--height", "480"};

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

// Matching itself is the catalogue's; here, that the tool lists and takes menu names.
TEST(VelmoraCalc, EquipmentNamesAsTheMenuShowsThemOrAsTyped)
{
    const Json menu = jsonOf({"--telescope", "celestron firstscope 114", "--camera", "StarlightxpressSXVH5"});
    EXPECT_EQ(menu["inputs"]["telescope"], "CelestronFIRSTSCOPE114");
    EXPECT_EQ(menu["inputs"]["camera"], "StarlightXpressSXVH5");
    EXPECT_EQ(menu["inputs"]["pixel_um"], 7.4) << "the camera's figures go with its name";
    const Invocation list = invoke({"--list", "telescopes", "--format", "csv"});
    EXPECT_NE(list.out.find("\nCelestronFIRSTSCOPE114,114,900\n"), std::string::npos) << list.out;
    EXPECT_EQ(list.out.find("talmvixen"), std::string::npos);
    EXPECT_NE(
        invoke({"--list", "cameras", "--format", "csv"}).out.find("\nPhilipsVesta,5.6,640,480"), std::string::npos);
}

TEST(VelmoraCalc, BarlowTwoWithBinningTwoKeepsTheScaleAndTheTubeWeight)
{
    const Json plain = jsonOf(kWorkedExample);
    const Json train = jsonOf(with(kWorkedExample, {"--barlow", "2", "--binning", "2"}));
    for (const char* id : {"pixel_field", "km_per_pixel_moon", "km_per_pixel_jupiter_far", "tube_weight"})
        EXPECT_DOUBLE_EQ(resultOf(train, id), resultOf(plain, id)) << id;
    EXPECT_DOUBLE_EQ(resultOf(train, "focal_ratio"), 2 * resultOf(plain, "focal_ratio"));
    EXPECT_DOUBLE_EQ(resultOf(train, "sensor_diagonal"), resultOf(plain, "sensor_diagonal")); // 320 x 240 of 11.2 um
    EXPECT_EQ(train["inputs"]["effective_width_px"], 320);
    const Json binned = jsonOf(with(kWorkedExample, {"--binning", "7"}));
    EXPECT_EQ(binned["inputs"]["effective_width_px"], 91) << "a partial block at the edge is dropped";
    EXPECT_EQ(binned["inputs"]["effective_height_px"], 68) << "480 / 7 = 68.6";
    EXPECT_DOUBLE_EQ(resultOf(binned, "pixel_field"), 7 * resultOf(plain, "pixel_field"));
}

// What a usage error must say, for the arguments after the worked example's
// (or alone).
struct UsageRow {
    std::vector<std::string> args;
    std::string said;
    bool alone = false;
};
constexpr bool kAlone = true;

TEST(UsageErrors, ExitTwoWithOneClearLineAndNothingOnStandardOutput)
{
    const UsageRow rows[] = {{{}, "usage: velmora-calc", kAlone},
        {{"--aperture", "abc"}, "--aperture: 'abc' is not a finite decimal number"},
        {{"--pixel-size", "5,6"}, "(write the decimal point as '.')"}, {{"--binning", "9"}, "--binning"},
        {{"--telescope", "CelestronC5", "--camera", "PhilipsVsta"}, "(did you mean PhilipsVesta?)", kAlone},
        {{"--seing", "2"}, "unknown option '--seing' (did you mean --seeing?); see --help"},
        {{"2"}, "unexpected argument '2'"},
        {{"--sweep", "--sort-by", "weight"}, "--sort-by: 'weight' is not one of resolving_power,", kAlone},
        {{"--date", "now", "--frame", "jupitr", "--svg", "x.svg"}, "(did you mean jupiter?)"},
        {{"--sort-by", "pixel_field"}, "--sort-by requires --sweep"},
        {{"--sweep", "--camera", "PhilipsVesta"}, "--camera excludes --sweep", kAlone},
        {{"--sweep", "--svg", "x.svg"}, "excludes", kAlone}, {{"--date", ""}, "--date: an empty value"},
        {{"--fits", "/nonexistent.fits"}, "cannot read '/nonexistent.fits'", kAlone},
        {{"--date", "06/12/2026"}, "--date: '06/12/2026'"},
        {{"--date", "2026-02-30"}, "is not a date and time that exists"}, {{"--date", "1799-12-31"}, "1800 to 2200"},
        {{"--date", "now", "--frame", "mars"}, "--frame requires --svg"},
        {{"--frame", "mars", "--svg", "x.svg"}, "--frame requires --date"},
        {{"--site", "45,9"}, "--site requires --date"},
        {{"--date", "now", "--site", "90.5,9"}, "the latitude 90.5 is not"},
        {{"--date", "now", "--site", "45,-180.5"}, "the longitude -180.5 is not"},
        {{"--date", "now", "--site", "45"}, "is not LAT,LON or LAT,LON,ELEV"},
        {{"--date", "now", "--pressure", "900"}, "requires --site"},
        {{"--date", "now", "--site", "45,9", "--pressure", "0"}, "the pressure (hPa) '0' is not from 100 to 1100"},
        {{"--date", "now", "--site", "45,9", "--humidity", "100.5"}, "the humidity '100.5' is not from 0 to 100"},
        {{"--date", "now", "--site", "45,9", "--min-altitude", "90.5"}, "the altitude '90.5' is not from 0 to 90"},
        {{"--date", "now", "--site", "45,9", "--band", "700-400"}, "is not a band NM-NM from shorter to longer"},
        {{"--date", "now", "--site", "45,9", "--mount", "dob"}, "'dob' is not one of eq, altaz"},
        {{"--aperture", "1\x1b[2J\xff"}, "--aperture: '1\\x1B[2J\\xFF' is not"},
        {{"--target", std::string(100000, 'M')}, "(100000 characters)"},
        {{"--target", "M31", "--overlap", "50"}, "the overlap '50' is not from 0 to below 50"},
        {{"--overlap", "5"}, "--overlap requires --target"},
        {{"--suggest", "--min-fill", "0"}, "the fill '0' is not above 0 and up to 1"},
        {{"--min-fill", "0.5"}, "--min-fill requires --suggest"},
        {{"--suggest", "--type", "comet"}, "'comet' is not one of galaxy,"},
        {{"--suggest", "--target", "M31"}, "excludes"},
        {{"--sweep", "--target", "M31", "--seeing", "2"}, "--seeing does not apply", kAlone},
        // The value or text as given, and what the fault is.
        {{"--date", "now", "--site", "90.0000001,0"}, "the latitude 90.0000001 is not from -90 to 90"},
        {{"--date", "now", "--site", "45,9", "--band", "-400-700"}, "--band: '-400-700': '' is not"},
        {{"--date", "now", "--site", "4x,9"}, "--site: '4x,9': '4x' is not"},
        {{"--target", "M31", "--overlap", "%"}, "--overlap: '%' is not a share of a frame"}};
    for (const UsageRow& row : rows) {
        const Invocation run = invoke(row.alone ? row.args : with(kWorkedExample, row.args));
        SCOPED_TRACE(::testing::PrintToString(row.args));
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(std::ranges::count(run.err, '\n'), 1) << run.err;
        EXPECT_NE(run.err.find(row.said), std::string::npos) << run.err;
    }
}

// Each figure of the planning layer's table is an option whose help gives
// the table's default and bounds, and whose refusal names the figure.
TEST(UsageErrors, EveryFigureOptionSaysItsDefaultAndBoundsFromTheTable)
{
    const std::string help = invoke({"--help"}).out;
    int options = 0;
    for (const planning::Figure& figure : planning::kFigures) {
        if (figure.option.empty())
            continue;
        ++options;
        const std::size_t at = help.find("  " + std::string(figure.option) + " ");
        ASSERT_NE(at, std::string::npos) << figure.option;
        const std::size_t end = help.find("\n  -", at + 1);
        const std::string said = help.substr(at, end - at);
        EXPECT_NE(said.find(figure.bounds.span()), std::string::npos) << said;
        if (figure.byDefault) {
            EXPECT_NE(said.find("default " + formats::readableNumber(*figure.byDefault)), std::string::npos) << said;
        }
        const Invocation nonsense = invoke({std::string(figure.option), "x"});
        EXPECT_EQ(nonsense.status, 2) << figure.option;
        EXPECT_NE(nonsense.err.find(std::string(figure.option) + ": "), std::string::npos) << nonsense.err;
    }
    EXPECT_GE(options, 25);
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
    const Json binned = Json::parse(invoke({"--sweep", "--format", "json", "--binning", "2", "--barlow", "3"}).out);
    EXPECT_EQ(binned[0]["binning"], 2);
    EXPECT_EQ(binned[0]["effective_focal_length_mm"], 3 * binned[0]["focal_length_mm"].get<double>());
    // With a target, the rigs that frame it come first (the order is the planning layer's).
    const Json framing = jsonOf({"--sweep", "--target", "M31"});
    ASSERT_EQ(framing.size(), 221u);
    EXPECT_EQ(framing.front()["fits"], true);
    EXPECT_EQ(framing.back()["fits"], false);
}

TEST(VelmoraCalcSite, EachBodyAsTheSiteSeesItInEveryFormat)
{
    const std::vector<std::string> milan = with(kWorkedExample,
        {"--date", "2026-12-06T21:00Z", "--site", "45.46,9.19,120", "--mount", "altaz", "--band", "400-700"});
    const Json document = jsonOf(milan);
    EXPECT_EQ(document["site"]["sky"], "night");
    EXPECT_NEAR(document["site"]["pressure_hpa"].get<double>(), 998.9, 0.1) << "the standard atmosphere at 120 m";
    EXPECT_EQ(document["site"]["band_nm"], Json::array({400, 700}));
    const Json& saturn = document["bodies"][6];
    ASSERT_EQ(saturn["body"], "saturn");
    EXPECT_NEAR(saturn["altitude_deg"].get<double>(), 37.44, 0.05) << "astropy's figure";
    EXPECT_NEAR(saturn["azimuth_deg"].get<double>(), 221.19, 0.05);
    EXPECT_EQ(saturn["horizon"], "rises and sets");
    for (const Json& body : document["bodies"]) { // Saturn and Neptune spread over more than a pixel, Uranus less
        if (!body["dispersion_px"].is_null()) {
            EXPECT_EQ(body["dispersion_corrector_advised"], body["dispersion_px"].get<double>() > 1) << body["body"];
        }
    }
    EXPECT_TRUE(saturn.contains("longest_exposure_s"));
    const Json& jupiter = document["bodies"][5];
    EXPECT_TRUE(jupiter["dispersion_px"].is_null()) << "below the horizon";
    EXPECT_FALSE(jupiter.contains("longest_exposure_s"));

    // Every bound of the site's figures is allowed.
    const std::tuple<const char*, const char*, const char*> bounds[] = {
        {"-90,-180,-500", "100", "0"}, {"90,180,9000", "1100", "100"}};
    for (const auto& [site, pressure, humidity] : bounds) {
        EXPECT_EQ(invoke(with(kWorkedExample,
                             {"--date", "2026-12-06T21:00Z", "--site", site, "--pressure", pressure, "--humidity",
                                 humidity, "--band", "300-2000"}))
                      .status,
            0)
            << site;
    }
    const Invocation csv = invoke(with(milan, {"--format", "csv"}));
    EXPECT_NE(csv.out.find(",altitude_deg,azimuth_deg,horizon,rise_utc,"), std::string::npos) << csv.out;
    const Invocation text = invoke(milan);
    EXPECT_NE(text.out.find("From the site"), std::string::npos);
    EXPECT_NE(text.out.find("  Sky                          night"), std::string::npos) << text.out;
    EXPECT_NE(text.out.find("12-06 05:34"), std::string::npos) << "Mercury rises at 05:33:45";
    // Near the pole the Sun neither rises nor sets at the solstices.
    EXPECT_EQ(jsonOf(with(kWorkedExample, {"--date", "2026-06-21T12:00Z", "--site", "80,0"}))["bodies"][0]["horizon"],
        "always above");
}

const std::string kHeader = "kind,name,aperture_mm,focal_length_mm,pixel_um,width_px,height_px\n";

// Names with quotes, a comma and a backslash are listed in the CSV as a
// catalogue writes them, and in strict JSON.
TEST(UserCatalogue, EntriesJoinTheListsTheSweepAndTheLookups)
{
    const std::string file = tempFile("velmora_catalogue.csv",
        kHeader +
            "telescope,\"Dob \"\"Big\"\", 10in\",254,1200,,,\r\ncamera,ASI462,,,2.9,1936,1096\n"
            "telescope,\"Dob \"\"Small\"\"\",80,400,,,\ntelescope,C:\\Tube,80,400,,,\n");
    const std::string listed = invoke({"--catalogue", file, "--list", "telescopes", "--format", "csv"}).out;
    EXPECT_EQ(listed.substr(listed.find("\"Dob")),
        "\"Dob \"\"Big\"\", 10in\",254,1200\n\"Dob \"\"Small\"\"\",80,400\nC:\\Tube,80,400\n");
    EXPECT_EQ(jsonOf({"--catalogue", file, "--list", "telescopes"}).back()["name"], "C:\\Tube");
    EXPECT_EQ(std::ranges::count(invoke({"--catalogue", file, "--sweep", "--format", "csv"}).out, '\n'), 20 * 14 + 1);
    const Json document = jsonOf({"--catalogue", file, "--telescope", "dob big 10in", "--camera", "asi462"});
    EXPECT_EQ(document["inputs"]["focal_length_mm"], 1200);
    EXPECT_EQ(document["inputs"]["telescope"], "Dob \"Big\", 10in");
}

// A file name that is not UTF-8 reaches the JSON with U+FFFD in place of
// its stray bytes, and a warning says so; the answer is whole.
TEST(UserCatalogue, AFitsNameThatIsNotUtf8KeepsTheJsonWhole)
{
    const std::string fits = tempFile("bad\xff\xfename.fits", fitsImage({"FOCALLEN= 1000"}, {320, 240}));
    const Invocation run = invoke({"--fits", fits, "--aperture", "200", "--pixel-size", "5", "--format", "json"});
    EXPECT_EQ(run.status, 0) << run.err;
    ASSERT_TRUE(Json::accept(run.out)) << run.out;
    EXPECT_NE(Json::parse(run.out)["sources"]["focal_length_mm"].get<std::string>().find("bad\uFFFD\uFFFDname"),
        std::string::npos);
    EXPECT_NE(run.err.find("warning: the --fits path is not UTF-8"), std::string::npos) << run.err;
}

// A camera that a binning leaves without a pixel is left out of sweeps and
// rankings, and the rigs left out are counted.
TEST(UserCatalogue, SweepsSkipRigsWithoutAWholeBinnedPixel)
{
    const std::string file = tempFile("tiny.csv", kHeader + "camera,Tiny,,,5,1,1\n");
    for (const auto& mode : {std::vector<std::string> {"--sweep", "--format", "csv"},
             std::vector<std::string> {"--sweep", "--target", "M31", "--format", "csv"}}) {
        const Invocation binned = invoke(with(mode, {"--catalogue", file, "--binning", "2"}));
        EXPECT_EQ(binned.status, 0);
        EXPECT_EQ(binned.out.find("Tiny"), std::string::npos);
        EXPECT_EQ(std::ranges::count(binned.out, '\n'), 17 * 13 + 1) << "the 17 built-in telescopes with 13 cameras";
        EXPECT_EQ(binned.err, "velmora-calc: warning: 17 rigs skipped: binned 2x2, the camera keeps no whole pixel\n");
        const Invocation whole = invoke(with(mode, {"--catalogue", file}));
        EXPECT_NE(whole.out.find("Tiny"), std::string::npos);
        EXPECT_EQ(whole.err, "");
    }
}

TEST(UserCatalogue, FitsHeaderOverTheCatalogueAndOptionsOverBothFillingWhatItLacks)
{
    const std::string fits = tempFile("velmora_light.fits", fitsImage({"FOCALLEN= 1000", "XBINNING= 2"}, {320, 240}));
    const Invocation missing = invoke({"--fits", fits, "--aperture", "200"});
    EXPECT_EQ(missing.status, 2);
    EXPECT_NE(missing.err.find("missing the pixel size"), std::string::npos) << missing.err;
    const Json document =
        jsonOf({"--fits", fits, "--telescope", "CelestronOTC8", "--camera", "PhilipsVesta", "--pixel-size", "4"});
    EXPECT_EQ(document["inputs"]["aperture_mm"], 203) << "the catalogue fills what the header lacks";
    EXPECT_EQ(document["inputs"]["focal_length_mm"], 1000) << "the header over the catalogue";
    EXPECT_EQ(document["inputs"]["pixel_um"], 4) << "the option over both";
    EXPECT_EQ(document["inputs"]["width_px"], 640) << "stored width times the binning";
    EXPECT_EQ(document["inputs"]["binning"], 2);
    EXPECT_EQ(document["inputs"]["telescope"], "CelestronOTC8") << "its aperture was used";
    EXPECT_FALSE(document["inputs"].contains("camera")) << "none of its figures was used";
    EXPECT_EQ(document["sources"]["focal_length_mm"], "FITS " + fits);
    EXPECT_EQ(document["sources"]["pixel_um"], "option");
    // Each figure names its own source, the width's and the height's apart.
    const Json mixed = jsonOf({"--telescope", "CelestronOTC8", "--camera", "PhilipsVesta", "--height", "400"});
    EXPECT_EQ(mixed["sources"]["aperture_mm"], "telescope CelestronOTC8");
    EXPECT_EQ(mixed["sources"]["width_px"], "camera PhilipsVesta");
    EXPECT_EQ(mixed["sources"]["height_px"], "option");
    EXPECT_EQ(mixed["sources"]["binning"], "default");
}

} // namespace
} // namespace velmora::cli
