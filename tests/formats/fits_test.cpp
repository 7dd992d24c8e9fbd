#include "formats/fits_header.h"
#include "formats/input_error.h"
#include "support/fits_image.h"
#include "support/refusal.h"
#include "support/temp_file.h"

#include <gtest/gtest.h>

#include <fitsio.h>
#include <sys/stat.h>
#include <zlib.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace velmora::formats {
namespace {

namespace fs = std::filesystem;

// A 2 x 2 binned 1000 mm camera of 5.6 um pixels, 640 x 480 unbinned.
const std::vector<std::string> kBinned = {
    "FOCALLEN= 1000", "XPIXSZ  = 11.2", "YPIXSZ  = 11.2", "XBINNING= 2", "APTDIA  = 200"};

std::vector<std::string> with(std::vector<std::string> cards, const std::string& card)
{
    std::erase_if(cards, [&](const std::string& c) { return c.substr(0, 8) == card.substr(0, 8); });
    cards.push_back(card);
    return cards;
}

class FitsHeaders : public ::testing::Test {
protected:
    // CFITSIO's own tile compression of a plain file.
    std::string compressed(const std::string& plain, const std::string& name)
    {
        fitsfile* in = nullptr;
        fitsfile* out = nullptr;
        int status = 0;
        fits_open_file(&in, plain.c_str(), READONLY, &status);
        fits_create_file(&out, ("!" + (dir_ / name).string() + "[compress]").c_str(), &status);
        fits_copy_hdu(in, out, 0, &status);
        fits_close_file(out, &status);
        fits_close_file(in, &status);
        EXPECT_EQ(status, 0);
        return (dir_ / name).string();
    }
    const fs::path dir_ = testFolder();
};

TEST_F(FitsHeaders, PlainCompressedAndColourImagesGiveTheUnbinnedCamera)
{
    const std::string plain = tempFile("light.fits", fitsImage(kBinned, {320, 240}));
    const std::string paths[] = {plain, compressed(plain, "light.fits.fz"),
        tempFile("colour.fits", fitsImage(kBinned, {320, 240, 3})),
        tempFile("one plane.fits", fitsImage(kBinned, {320, 240, 1})),
        tempFile("name[1].fits", fitsImage(kBinned, {320, 240}))};
    for (const std::string& path : paths) {
        const FitsSetup setup = readFitsSetup(path);
        EXPECT_EQ(setup.pixelSize, 5.6) << path;
        EXPECT_EQ(setup.width, 640) << path;
        EXPECT_EQ(setup.height, 480) << path;
        EXPECT_EQ(setup.binning, 2) << path;
        EXPECT_EQ(setup.focalLength, 1000) << path;
        EXPECT_EQ(setup.aperture, 200) << path;
    }
    const FitsSetup bare = readFitsSetup(tempFile("bare.fits", fitsImage({"FOCALLEN= 1000"}, {32, 24})));
    EXPECT_FALSE(bare.aperture);
    EXPECT_FALSE(bare.pixelSize) << "an absent keyword is left for the options to fill";
    EXPECT_EQ(bare.binning, 1);
}

TEST_F(FitsHeaders, BrokenFilesAndWrongKeywordsAreNamed)
{
    const std::string whole = fitsImage(kBinned, {320, 240});
    ASSERT_EQ(mkfifo((dir_ / "fifo.fits").c_str(), 0600), 0);
    const std::pair<std::string, const char*> cases[] = {
        {tempFile("logical.fits", fitsImage(with(kBinned, "FOCALLEN= T"), {32, 24})),
            "keyword FOCALLEN is not a number"},
        {tempFile("text.fits", fitsImage(with(kBinned, "XPIXSZ  = '5.6'"), {32, 24})),
            "keyword XPIXSZ is not a number"},
        {tempFile("negative.fits", fitsImage(with(kBinned, "APTDIA  = -80"), {32, 24})),
            "keyword APTDIA is not a positive number"},
        {tempFile("binning.fits", fitsImage(with(kBinned, "XBINNING= 1.5"), {32, 24})),
            "keyword XBINNING is not a whole number from 1 to 8"},
        {tempFile("nine.fits", fitsImage(with(kBinned, "XBINNING= 9"), {32, 24})), "keyword XBINNING is not a whole"},
        {tempFile("unequal.fits", fitsImage(with(kBinned, "YPIXSZ  = 8"), {32, 24})),
            "keyword YPIXSZ differs from XPIXSZ"},
        {tempFile("line.fits", fitsImage(kBinned, {32})), "keyword NAXIS is 1"},
        {tempFile("cube.fits", fitsImage(kBinned, {4, 4, 2, 2})), "keyword NAXIS is 4"},
        {tempFile("truncated.fits", whole.substr(0, whole.size() / 3)), "truncated"},
        {tempFile("text.txt", "SIMPLE  = not really\n"), "not a readable FITS file"},
        {tempFile("ok.txt", "OK, not FITS\n"), "not a readable FITS file"},
        {tempFile("light.zip", "PK\x03\x04 not really"), "compressed in a form that is not read"},
        {tempFile("light.fits.bz2", "BZh"), "compressed in a form that is not read"},
        {(dir_ / "fifo.fits").string(), "not a regular file"}, {(dir_ / "missing.fits").string(), "cannot read"},
        {"http://127.0.0.1:9/x.fits", "cannot read"}};
    for (const auto& [path, named] : cases) {
        const std::string refusal = refusalOf([&] { readFitsSetup(path); });
        EXPECT_NE(refusal.find(named), std::string::npos) << path << ": " << refusal;
    }
}

TEST_F(FitsHeaders, GzipFilesAreExpandedWithinABound)
{
    const auto gzipped = [&](const std::string& name, const std::string& content, std::size_t zeros) {
        gzFile out = gzopen((dir_ / name).c_str(), "wb9");
        gzwrite(out, content.data(), static_cast<unsigned>(content.size()));
        const std::string nothing(1 << 20, '\0');
        for (std::size_t left = zeros; left > 0; left -= std::min(left, nothing.size()))
            gzwrite(out, nothing.data(), static_cast<unsigned>(std::min(left, nothing.size())));
        gzclose(out);
        return (dir_ / name).string();
    };
    const std::string image = fitsImage(kBinned, {320, 240});
    EXPECT_EQ(readFitsSetup(gzipped("light.fits.gz", image, 0)).width, 640);
    const std::string bomb = refusalOf([&] { readFitsSetup(gzipped("bomb.fits.gz", image, 41u << 20)); });
    EXPECT_NE(bomb.find("expands beyond 40 MB"), std::string::npos) << bomb;
    EXPECT_THROW(readFitsSetup(tempFile("other.fits.Z", "\x1f\x9d\x90 not really")), InputError);
}

} // namespace
} // namespace velmora::formats
