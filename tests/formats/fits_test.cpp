#include "formats/fits_header.h"
#include "formats/input_error.h"

#include <gtest/gtest.h>

#include <fitsio.h>
#include <sys/stat.h>
#include <zlib.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <variant>

namespace velmora::formats {
namespace {

namespace fs = std::filesystem;
using Keyword = std::variant<double, bool, std::string>;
using Keywords = std::map<std::string, Keyword>;

// A 16-bit image of the given axes with the given header keywords, written
// by CFITSIO. A path ending in ".fz" is tile-compressed.
void writeFits(const fs::path& path, std::vector<long> axes, const Keywords& keywords)
{
    fitsfile* file = nullptr;
    int status = 0;
    std::string name = "!" + path.string();
    if (path.extension() == ".fz")
        name += "[compress]";
    fits_create_file(&file, name.c_str(), &status);
    fits_create_img(file, SHORT_IMG, static_cast<int>(axes.size()), axes.data(), &status);
    for (const auto& [keyword, value] : keywords) {
        if (const auto* number = std::get_if<double>(&value)) {
            double v = *number;
            fits_update_key(file, TDOUBLE, keyword.c_str(), &v, nullptr, &status);
        } else if (const auto* flag = std::get_if<bool>(&value)) {
            int v = *flag;
            fits_update_key(file, TLOGICAL, keyword.c_str(), &v, nullptr, &status);
        } else {
            fits_update_key(file, TSTRING, keyword.c_str(), const_cast<char*>(std::get<std::string>(value).c_str()),
                nullptr, &status);
        }
    }
    long pixels = 1;
    for (const long axis : axes)
        pixels *= axis;
    std::vector<short> data(static_cast<std::size_t>(pixels), 100);
    fits_write_img(file, TSHORT, 1, pixels, data.data(), &status);
    fits_close_file(file, &status);
    ASSERT_EQ(status, 0) << "CFITSIO could not write " << path;
}

class FitsHeaders : public ::testing::Test {
protected:
    void SetUp() override { fs::create_directories(dir_); }
    void TearDown() override { fs::remove_all(dir_); }
    const fs::path dir_ = fs::path(::testing::TempDir()) / "velmora_fits";
    // A 2 x 2 binned 1000 mm camera of 5.6 um pixels, 640 x 480 unbinned.
    const Keywords kBinned = {
        {"FOCALLEN", 1000.0}, {"XPIXSZ", 11.2}, {"YPIXSZ", 11.2}, {"XBINNING", 2.0}, {"APTDIA", 200.0}};
};

TEST_F(FitsHeaders, PlainCompressedAndColourImagesGiveTheUnbinnedCamera)
{
    const std::pair<const char*, std::vector<long>> images[] = {{"light.fits", {320, 240}},
        {"light.fits.fz", {320, 240}}, {"colour.fits", {320, 240, 3}}, {"one plane.fits", {320, 240, 1}},
        {"name[1].fits", {320, 240}}};
    for (const auto& [name, axes] : images) {
        // Written under a plain name: CFITSIO's own writer takes "[" as a filter.
        const fs::path written = dir_ / fs::path("written").replace_extension(fs::path(name).extension());
        writeFits(written, axes, kBinned);
        fs::rename(written, dir_ / name);
        const FitsSetup setup = readFitsSetup((dir_ / name).string());
        EXPECT_EQ(setup.pixelSize, 5.6) << name;
        EXPECT_EQ(setup.width, 640) << name;
        EXPECT_EQ(setup.height, 480) << name;
        EXPECT_EQ(setup.binning, 2) << name;
        EXPECT_EQ(setup.focalLength, 1000) << name;
        EXPECT_EQ(setup.aperture, 200) << name;
    }
    Keywords bare = kBinned;
    bare.erase("APTDIA");
    bare.erase("XPIXSZ");
    bare.erase("YPIXSZ");
    writeFits(dir_ / "bare.fits", {32, 24}, bare);
    const FitsSetup setup = readFitsSetup((dir_ / "bare.fits").string());
    EXPECT_FALSE(setup.aperture);
    EXPECT_FALSE(setup.pixelSize) << "an absent keyword is left for the options to fill";
}

struct BrokenFits {
    const char* name;
    std::vector<long> axes;
    Keywords keywords;
    const char* named;
};

TEST_F(FitsHeaders, BrokenFilesAndWrongKeywordsAreNamed)
{
    Keywords logical = kBinned;
    logical["FOCALLEN"] = true;
    Keywords text = kBinned;
    text["XPIXSZ"] = std::string("5.6");
    Keywords negative = kBinned;
    negative["APTDIA"] = -80.0;
    Keywords oddBinning = kBinned;
    oddBinning["XBINNING"] = 1.5;
    Keywords unequal = kBinned;
    unequal["YPIXSZ"] = 8.0;
    const BrokenFits cases[] = {{"logical.fits", {32, 24}, logical, "keyword FOCALLEN is not a number"},
        {"text.fits", {32, 24}, text, "keyword XPIXSZ is not a number"},
        {"negative.fits", {32, 24}, negative, "keyword APTDIA is not a positive number"},
        {"binning.fits", {32, 24}, oddBinning, "keyword XBINNING is not a whole number from 1 to 8"},
        {"unequal.fits", {32, 24}, unequal, "keyword YPIXSZ differs from XPIXSZ"},
        {"line.fits", {32}, kBinned, "keyword NAXIS is 1"}, {"cube.fits", {4, 4, 2, 2}, kBinned, "keyword NAXIS is 4"}};
    for (const BrokenFits& c : cases) {
        writeFits(dir_ / c.name, c.axes, c.keywords);
        try {
            readFitsSetup((dir_ / c.name).string());
            ADD_FAILURE() << c.name;
        } catch (const InputError& error) {
            EXPECT_NE(std::string(error.what()).find(c.named), std::string::npos) << error.what();
        }
    }

    writeFits(dir_ / "whole.fits", {320, 240}, kBinned);
    fs::copy_file(dir_ / "whole.fits", dir_ / "truncated.fits");
    fs::resize_file(dir_ / "truncated.fits", fs::file_size(dir_ / "whole.fits") / 3);
    std::ofstream(dir_ / "text.txt") << "SIMPLE  = not really\n";
    ASSERT_EQ(mkfifo((dir_ / "fifo.fits").c_str(), 0600), 0);
    const std::pair<std::string, const char*> files[] = {{"truncated.fits", "truncated"},
        {"text.txt", "not a readable FITS file"}, {"fifo.fits", "not a regular file"}, {"missing.fits", "cannot read"},
        {"http://127.0.0.1:9/x.fits", "cannot read"}};
    for (const auto& [name, named] : files) {
        const std::string path = name.starts_with("http") ? name : (dir_ / name).string();
        try {
            readFitsSetup(path);
            ADD_FAILURE() << name;
        } catch (const InputError& error) {
            EXPECT_NE(std::string(error.what()).find(named), std::string::npos) << error.what();
        }
    }
}

// A gzip copy of `source`, followed by `zeros` more bytes of nothing.
void gzipCopy(const fs::path& source, const fs::path& target, std::size_t zeros = 0)
{
    std::ifstream in(source, std::ios::binary);
    const std::string content((std::istreambuf_iterator<char>(in)), {});
    gzFile out = gzopen(target.c_str(), "wb9");
    ASSERT_NE(out, nullptr);
    gzwrite(out, content.data(), static_cast<unsigned>(content.size()));
    const std::vector<char> nothing(1 << 20, 0);
    for (std::size_t left = zeros; left > 0; left -= std::min(left, nothing.size()))
        gzwrite(out, nothing.data(), static_cast<unsigned>(std::min(left, nothing.size())));
    gzclose(out);
}

TEST_F(FitsHeaders, GzipFilesAreExpandedWithinABound)
{
    writeFits(dir_ / "light.fits", {320, 240}, kBinned);
    gzipCopy(dir_ / "light.fits", dir_ / "light.fits.gz");
    EXPECT_EQ(readFitsSetup((dir_ / "light.fits.gz").string()).width, 640);
    gzipCopy(dir_ / "light.fits", dir_ / "bomb.fits.gz", 41u << 20);
    try {
        readFitsSetup((dir_ / "bomb.fits.gz").string());
        ADD_FAILURE() << "a file expanding past 40 MB was read";
    } catch (const InputError& error) {
        EXPECT_NE(std::string(error.what()).find("expands beyond 40 MB"), std::string::npos) << error.what();
    }
    std::ofstream(dir_ / "other.fits.Z") << "\x1f\x9d\x90 not really";
    EXPECT_THROW(readFitsSetup((dir_ / "other.fits.Z").string()), InputError);
}

} // namespace
} // namespace velmora::formats
