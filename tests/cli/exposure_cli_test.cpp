#include "cli_json.h"
#include "formats/readable_number.h"
#include "support/temp_file.h"

#include <gtest/gtest.h>

#include <sstream>

namespace velmora::cli {
namespace {

// The issue's worked rig: 100 mm at 500 mm with 3.76 um pixels, QE 0.8, no
// loss in the optics.
const std::vector<std::string> kRig = {
    "--aperture", "100", "--focal-length", "500", "--pixel-size", "3.76", "--width", "6248", "--height", "4176"};
const std::vector<std::string> kWorkedRig = with(kRig, {"--qe", "0.8", "--transmission", "1"});

TEST(ExposureCli, ThePlanComesOutInEveryFormat)
{
    const std::vector<std::string> args = with(kWorkedRig, {"--sqm", "21", "--read-noise", "1.46"});
    const Json exposure = jsonOf(args)["exposure"];
    EXPECT_EQ(exposure["sqm_assumed"], false);
    EXPECT_TRUE(exposure["exposure_notes"].is_null());
    // A larger increase allows a shorter sub, given either way.
    const Json tenPercent = jsonOf(with(args, {"--noise-increase", "10"}))["exposure"];
    EXPECT_EQ(jsonOf(with(args, {"--noise-increase", "10%"}))["exposure"]["sub_s"], tenPercent["sub_s"]);
    EXPECT_LT(tenPercent["sub_s"].get<double>(), exposure["sub_s"].get<double>());

    const Invocation text = invoke(args);
    ASSERT_EQ(text.status, 0) << text.err;
    EXPECT_NE(text.out.find("\nExposure\n"), std::string::npos);
    EXPECT_NE(text.out.find(formats::readableNumber(exposure["sub_s"].get<double>())), std::string::npos) << text.out;
    const Invocation csv = invoke(with(args, {"--format", "csv"}));
    ASSERT_EQ(csv.status, 0) << csv.err;
    EXPECT_NE(csv.out.find(",sky_rate,"), std::string::npos);
    EXPECT_EQ(std::count(csv.out.begin(), csv.out.end(), '\n'), 2);
}

// Any figure of the exposure asks for it, and what was assumed is said.
TEST(ExposureCli, AnyFigureAsksForTheExposureAndTheAssumptionsAreSaid)
{
    EXPECT_FALSE(jsonOf(kRig).contains("exposure"));
    EXPECT_TRUE(jsonOf(with(kRig, {"--colour"})).contains("exposure"));
    const Json assumed = jsonOf(with(kWorkedRig, {"--target", "M27"}))["exposure"];
    EXPECT_EQ(assumed["sqm_assumed"], true);
    const std::string notes = assumed["exposure_notes"];
    EXPECT_NE(notes.find("give --sqm"), std::string::npos) << notes;
    EXPECT_NE(notes.find("give --read-noise"), std::string::npos) << notes;
    EXPECT_EQ(assumed["surface_brightness_from"], "V magnitude over the outline");
    EXPECT_GT(assumed["hours_needed"].get<double>(), 0);
    const Json none = jsonOf(with(kRig, {"--band", "500-600"}));
    EXPECT_FALSE(none.contains("exposure")) << "the band alone is the dispersion's too";
}

// A narrower band lets less light through and spreads less: --band no
// longer needs a site, and with one it is the dispersion's too.
TEST(ExposureCli, TheBandIsTheFiltersForTheExposureAndTheDispersion)
{
    const std::vector<std::string> site = {"--date", "2026-12-20T20:00Z", "--site", "45.46,9.19", "--target", "M42"};
    const Json wide = jsonOf(with(with(kWorkedRig, site), {"--sqm", "21"}));
    const Json narrow = jsonOf(with(with(kWorkedRig, site), {"--sqm", "21", "--band", "640-670"}));
    EXPECT_LT(narrow["exposure"]["sky_rate"].get<double>(), wide["exposure"]["sky_rate"].get<double>());
    EXPECT_LT(narrow["target_site"]["dispersion_arcsec"].get<double>(),
        wide["target_site"]["dispersion_arcsec"].get<double>() / 5);
}

constexpr const char* kCameraFile = R"(<Camera>
  <CameraId>Example</CameraId>
  <SensorType>COLOR</SensorType>
  <CameraPixelSize>3.76</CameraPixelSize>
  <CameraQuantumEfficiency>80</CameraQuantumEfficiency>
  <CameraGainReadMode>
    <GainReadNoiseValue><Gain>0</Gain><ReadNoise>3.5</ReadNoise></GainReadNoiseValue>
    <GainReadNoiseValue><Gain>99</Gain><ReadNoise>2.88</ReadNoise></GainReadNoiseValue>
    <GainReadNoiseValue><Gain>100</Gain><ReadNoise>1.46</ReadNoise></GainReadNoiseValue>
  </CameraGainReadMode>
</Camera>
)";

// The table's reading at the gain is the planning layer's; here, that the
// file and the gain reach it and what the file says of the sensor is said.
TEST(ExposureCli, ACameraFileAndItsGainReachThePlan)
{
    const std::string file = tempFile("camera.xml", kCameraFile);
    const Json e = jsonOf(with(kWorkedRig, {"--sqm", "21", "--read-noise-file", file, "--gain", "100"}))["exposure"];
    EXPECT_EQ(e["read_noise_e"], 1.46);
    EXPECT_EQ(e["gain"], 100);
    EXPECT_EQ(e["colour_sensor"], true);

    // The file's pixel (3.76 um) against another rig's.
    const std::string other = jsonOf({"--aperture", "100", "--focal-length", "500", "--pixel-size", "4.63", "--width",
        "100", "--height", "100", "--read-noise-file", file, "--gain", "100"})["exposure"]["exposure_notes"];
    EXPECT_NE(other.find("the camera file's pixel, 3.76 um, is not the rig's"), std::string::npos) << other;
}

// Each figure of the exposure is taken up to the edges of the plausible
// range --help gives, and refused just past them, in the option's name.
TEST(ExposureCli, EachFigureIsTakenToTheEdgesOfItsRangeAndRefusedPastThem)
{
    struct Edge {
        const char* option;
        const char* taken;
        const char* refused;
        const char* refusal; // after "velmora-calc: OPTION: "
    };
    const Edge rows[] = {
        {"--sqm", "14", "13.99", "the sky brightness '13.99' is not from 14 to 23"},
        {"--sqm", "23", "23.01", "the sky brightness '23.01' is not from 14 to 23"},
        {"--qe", "1", "1.01", "the quantum efficiency '1.01' is not above 0 and up to 1"},
        {"--qe", "0.001", "0", "the quantum efficiency '0' is not above 0 and up to 1"},
        {"--transmission", "1", "1.001", "the transmission '1.001' is not above 0 and up to 1"},
        {"--read-noise", "0", "-0.01", "the read noise '-0.01' is not from 0 to 100"},
        {"--read-noise", "100", "100.01", "the read noise '100.01' is not from 0 to 100"},
        {"--read-noise", "1", "1e300", "the read noise '1e300' is not from 0 to 100"},
        {"--dark-current", "0", "-0.001", "the dark current '-0.001' is not from 0 to 1000"},
        {"--dark-current", "1000", "1000.1", "the dark current '1000.1' is not from 0 to 1000"},
        {"--snr", "10000", "10001", "the signal-to-noise '10001' is not above 0 and up to 10000"},
        {"--snr", "0.01", "0", "the signal-to-noise '0' is not above 0 and up to 10000"},
        {"--full-well", "10000000", "10000001", "the full well '10000001' is not above 0 and up to 10000000"},
        {"--full-well", "1", "0", "the full well '0' is not above 0 and up to 10000000"},
        {"--surface-brightness", "40", "40.5", "the surface brightness '40.5' is not from 0 to 40"},
    };
    for (const Edge& row : rows) {
        const Invocation taken = invoke(with(kWorkedRig, {row.option, row.taken}));
        EXPECT_EQ(taken.status, 0) << row.option << ' ' << row.taken << ": " << taken.err;
        const Invocation refused = invoke(with(kWorkedRig, {row.option, row.refused}));
        EXPECT_EQ(refused.status, 2) << row.option << ' ' << row.refused;
        EXPECT_EQ(refused.err, "velmora-calc: " + std::string(row.option) + ": " + row.refusal + "\n");
        EXPECT_EQ(refused.out, "");
    }
}

struct Refusal {
    std::vector<std::string> args;
    const char* message; // the start of standard error
    bool plain = false; // on the rig without figures of the exposure
    bool onRig = true; // after the rig's figures
};

TEST(ExposureCli, RefusalsNameTheOption)
{
    const std::string camera = tempFile("camera.xml", kCameraFile);
    const std::string hostile =
        tempFile("hostile.xml", "<Camera>\n<CameraGainReadMode>\n</CameraGainReadMode></Camera>");
    const Refusal rows[] = {
        {{"--transmission", "-0.5"}, "velmora-calc: --transmission: the transmission '-0.5' is not above 0"},
        {{"--noise-increase", "0"}, "velmora-calc: --noise-increase: '0' is not above 0 and below 100%"},
        {{"--noise-increase", "five"}, "velmora-calc: --noise-increase: 'five' is not a percentage"},
        {{"--band", "400-2100"}, "velmora-calc: --band: the band's end 2100 is not from 300 to 2000"},
        {{"--obstruction", "100"}, "velmora-calc: --obstruction: the obstruction 100 mm is not smaller than the"},
        {{"--read-noise-file", camera},
            "velmora-calc: missing the gain (the camera file gives read noise at gains"
            " 0 to 100): give --gain"},
        {{"--read-noise-file", camera, "--gain", "101"}, "velmora-calc: --gain: the gain 101 is outside the table"},
        {{"--read-noise-file", hostile}, "velmora-calc: --read-noise-file: "},
        {{"--gain", "1"}, "velmora-calc: --gain requires --read-noise-file"},
        {{"--read-noise", "1", "--read-noise-file", camera}, "velmora-calc: --read-noise excludes --read-noise-file"},
        {{"--rank-by", "fill"}, "velmora-calc: --rank-by requires --suggest"},
        {{"--suggest", "--rank-by", "hours-needed"}, "velmora-calc: --rank-by: the hours needed are known only", true},
        {{"--suggest", "--sqm", "21", "--surface-brightness", "20"}, "velmora-calc: --suggest excludes"},
        {{"--sweep", "--sqm", "21"}, "velmora-calc: --sweep excludes --sqm", false, false},
    };
    for (const Refusal& row : rows) {
        const Invocation run =
            invoke(row.onRig ? with(row.plain ? kRig : kWorkedRig, row.args) : std::vector<std::string>(row.args));
        EXPECT_EQ(run.status, 2) << row.message;
        EXPECT_EQ(run.out, "") << row.message;
        EXPECT_EQ(run.err.substr(0, std::string(row.message).size()), row.message) << run.err;
    }
    const Invocation placed = invoke(with(kWorkedRig, {"--read-noise-file", hostile}));
    EXPECT_NE(placed.err.find("hostile.xml:2:2: <CameraGainReadMode> has no <GainReadNoiseValue>"), std::string::npos)
        << placed.err;
}

} // namespace
} // namespace velmora::cli
