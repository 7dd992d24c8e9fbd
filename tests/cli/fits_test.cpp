#include "cli_run.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <fitsio.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <string>

namespace velmora::cli {
namespace {

namespace fs = std::filesystem;
using Json = nlohmann::json;

// A 16-bit image of `width` x `height` pixels with the given header keywords,
// written by CFITSIO. A path ending in ".fz" is tile-compressed.
void writeFits(const fs::path& path, long width, long height, const std::map<std::string, double>& keywords)
{
    fitsfile* file = nullptr;
    int status = 0;
    std::string name = "!" + path.string();
    if (path.extension() == ".fz")
        name += "[compress]";
    long size[2] = {width, height};
    fits_create_file(&file, name.c_str(), &status);
    fits_create_img(file, SHORT_IMG, 2, size, &status);
    for (const auto& [keyword, value] : keywords) {
        double v = value;
        fits_update_key(file, TDOUBLE, keyword.c_str(), &v, nullptr, &status);
    }
    std::vector<short> pixels(static_cast<std::size_t>(width * height), 100);
    fits_write_img(file, TSHORT, 1, width * height, pixels.data(), &status);
    fits_close_file(file, &status);
    ASSERT_EQ(status, 0) << "CFITSIO could not write " << path;
}

class FitsHeaders : public ::testing::Test {
protected:
    void SetUp() override { fs::create_directories(dir_); }
    void TearDown() override { fs::remove_all(dir_); }
    const fs::path dir_ = fs::path(::testing::TempDir()) / "velmora_fits";
    // A 2 x 2 binned 1000 mm camera of 5.6 um pixels, 640 x 480 unbinned.
    const std::map<std::string, double> kBinned = {
        {"FOCALLEN", 1000}, {"XPIXSZ", 11.2}, {"YPIXSZ", 11.2}, {"XBINNING", 2}, {"APTDIA", 200}};
};

TEST_F(FitsHeaders, PlainAndCompressedImagesGiveTheSameUnbinnedTrain)
{
    for (const char* name : {"light.fits", "light.fits.fz"}) {
        writeFits(dir_ / name, 320, 240, kBinned);
        const Invocation run = invoke({"--fits", (dir_ / name).string(), "--format", "json"});
        ASSERT_EQ(run.status, 0) << run.err;
        const Json inputs = Json::parse(run.out)["inputs"];
        EXPECT_EQ(inputs["pixel_um"], 5.6) << name;
        EXPECT_EQ(inputs["width_px"], 640) << name;
        EXPECT_EQ(inputs["binning"], 2) << name;
        EXPECT_EQ(inputs["effective_pixel_um"], 11.2) << name;
        EXPECT_EQ(inputs["aperture_mm"], 200) << name;
    }
    // Explicit options override the header.
    const Json inputs =
        Json::parse(invoke({"--fits", (dir_ / "light.fits").string(), "--binning", "1", "--aperture", "80", "--format",
                        "json"})
                .out)["inputs"];
    EXPECT_EQ(inputs["aperture_mm"], 80);
    EXPECT_EQ(inputs["effective_pixel_um"], 5.6);
}

TEST_F(FitsHeaders, MissingKeywordsAndBrokenFilesAreNamedNeverFatal)
{
    auto withoutFocal = kBinned;
    withoutFocal.erase("FOCALLEN");
    writeFits(dir_ / "nofocal.fits", 32, 24, withoutFocal);
    auto withoutAperture = kBinned;
    withoutAperture.erase("APTDIA");
    writeFits(dir_ / "noaperture.fits", 32, 24, withoutAperture);
    writeFits(dir_ / "whole.fits", 320, 240, kBinned);
    const auto whole = fs::file_size(dir_ / "whole.fits");
    fs::copy_file(dir_ / "whole.fits", dir_ / "truncated.fits");
    fs::resize_file(dir_ / "truncated.fits", whole / 3);
    std::ofstream(dir_ / "text.fits") << "SIMPLE  = not really\n";

    const std::pair<const char*, const char*> cases[] = {{"nofocal.fits", "FOCALLEN"},
        {"noaperture.fits", "aperture"}, {"truncated.fits", "truncated.fits"}, {"text.fits", "text.fits"}};
    for (const auto& [name, named] : cases) {
        const Invocation run = invoke({"--fits", (dir_ / name).string(), "--width", "640"});
        EXPECT_EQ(run.status, 2) << name;
        EXPECT_EQ(run.out, "") << name;
        EXPECT_NE(run.err.find(named), std::string::npos) << run.err;
    }
}

} // namespace
} // namespace velmora::cli
