#include "cli_run.h"
#include "support/temp_file.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace velmora::cli {
namespace {

namespace fs = std::filesystem;

std::string contentsOf(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), {}};
}

const std::vector<std::string> kRig = {"--telescope", "CelestronOTC8", "--camera", "StarlightXpressSXVH9"};

// A file the program reads, with what it holds and the arguments it is read with.
struct Input {
    const char* option; // how a refusal names it
    const char* name;
    std::string contents;
    std::vector<std::string> args; // the path follows these; empty for the shipped catalogue
};

// Where the program writes, and the arguments that ask for it.
struct Output {
    const char* option;
    std::vector<std::string> args; // the path follows these
    std::vector<std::string> more; // what the inputs need besides
};

// Every file the program writes is compared with every file it reads, under
// its own name or through a link: the run is refused naming both options,
// and the input is left as it was.
TEST(FilesCli, NoOutputIsWrittenOverAnyInput)
{
    // The shipped catalogue, copied where VELMORA_DATA_DIR finds it.
    const fs::path shipped = testFolder() / "data";
    fs::create_directories(shipped / "openngc");
    for (const char* file : {"NGC.csv", "addendum.csv"})
        fs::copy_file(fs::path(VELMORA_OPENNGC_DIR) / file, shipped / "openngc" / file);
    ::setenv("VELMORA_DATA_DIR", shipped.c_str(), 1);
    const std::string camera = "<Camera><CameraGainReadMode><GainReadNoiseValue><Gain>50</Gain><ReadNoise>2</"
                               "ReadNoise></GainReadNoiseValue></CameraGainReadMode></Camera>";
    const std::vector<std::string> night = {"--date", "2026-12-20T20:00Z", "--site", "45.46,9.19,120"};
    const Input inputs[] = {
        {"--catalogue", "mine.csv", "kind,name,aperture_mm,focal_length_mm\ntelescope,Mine,80,480\n", {"--catalogue"}},
        {"--horizon", "h.hrz", "0 10\n180 20\n", with(night, {"--horizon"})},
        {"--read-noise-file", "cam.xml", camera, {"--gain", "50", "--read-noise-file"}},
        {"--fits", "frame.fits", std::string(2880, ' '), {"--fits"}},
        {"the shipped catalogue", "NGC.csv", contentsOf((shipped / "openngc" / "NGC.csv").string()), {}},
    };
    const Output outputs[] = {
        {"--svg", {"--frame", "M31", "--svg"}, kRig}, {"--output", {"--export", "csv", "--output"}, {}}};
    int compared = 0;
    for (const Input& input : inputs) {
        const bool shippedInput = input.args.empty();
        const std::string path =
            shippedInput ? (shipped / "openngc" / input.name).string() : tempFile(input.name, input.contents);
        const std::string link = testPath(std::string("link-to-") + input.name);
        fs::remove(link);
        fs::create_symlink(path, link);
        for (const Output& output : outputs) {
            // --export takes equipment only: it meets the catalogues alone.
            if (output.more.empty() && !(shippedInput || std::string(input.option) == "--catalogue"))
                continue;
            for (const std::string& written : {path, link}) {
                std::vector<std::string> args = output.more;
                if (!shippedInput)
                    args = with(with(args, input.args), {path});
                const Invocation run = invoke(with(with(args, output.args), {written}));
                SCOPED_TRACE(std::string(input.option) + " written as " + output.option + " " + written);
                EXPECT_EQ(run.status, 2);
                EXPECT_EQ(run.out, "");
                EXPECT_NE(run.err.find(std::string(output.option) + ": "), std::string::npos) << run.err;
                EXPECT_NE(run.err.find(std::string("is also read, as ") + input.option), std::string::npos) << run.err;
                EXPECT_EQ(contentsOf(path), input.contents);
                ++compared;
            }
        }
    }
    EXPECT_EQ(compared, 14);
}

// A rig whose chip is no finite size frames nothing, and leaves no picture.
TEST(FilesCli, ARigOfNoFiniteSizeIsRefusedBeforeAnyPicture)
{
    const std::string huge = "1e300";
    const std::vector<std::string> rig = {
        "--aperture", huge, "--focal-length", huge, "--pixel-size", huge, "--width", huge, "--height", huge};
    for (const char* frame : {"M33", "moon"}) {
        const std::string svg = testPath(std::string(frame) + ".svg");
        const Invocation run = invoke(with(rig, {"--date", "2026-12-20T20:00Z", "--frame", frame, "--svg", svg}));
        EXPECT_EQ(run.status, 2) << frame;
        EXPECT_NE(run.err.find("the rig's chip is not a positive finite size"), std::string::npos) << run.err;
        EXPECT_FALSE(fs::exists(svg)) << frame;
    }
}

// What reading a file finds worth saying comes on standard error, and the
// answer still comes.
TEST(FilesCli, AHorizonsRepeatedAzimuthIsWarnedOf)
{
    const std::string horizon = tempFile("h.hrz",
        "\xEF\xBB\xBF"
        "0 5\n90 10\n90 12\n");
    const Invocation run =
        invoke(with(kRig, {"--date", "2026-12-20T20:00Z", "--site", "45.46,9.19,120", "--horizon", horizon}));
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err,
        "velmora-calc: warning: " + horizon +
            ":3: the azimuth '90' is given again (line 2 gave it); this line counts\n");
}

} // namespace
} // namespace velmora::cli
