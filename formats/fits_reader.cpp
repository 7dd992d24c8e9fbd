// Reading a FITS image header with CFITSIO.
#include "fits_header.h"

#include "input_error.h"
#include "strict_number.h"

#include <fitsio.h>
#include <zlib.h>

#include <array>
#include <cmath>
#include <cstdio>
#include <memory>
#include <vector>

namespace velmora::formats {

namespace {

std::string errorText(int status)
{
    std::array<char, FLEN_STATUS> text {};
    fits_get_errstatus(status, text.data());
    return text.data();
}

struct FitsCloser {
    void operator()(fitsfile* file) const
    {
        int status = 0;
        fits_close_file(file, &status);
    }
};
using FitsFile = std::unique_ptr<fitsfile, FitsCloser>;

class HeaderReader {
public:
    HeaderReader(fitsfile* file, const std::string& path) : file_(file), path_(path) { }

    // A positive number, or nothing when the keyword is absent; a logical, a
    // text or a complex value is refused.
    std::optional<double> optional(const char* keyword) const
    {
        std::array<char, FLEN_VALUE> value {};
        int status = 0;
        fits_read_keyword(file_, keyword, value.data(), nullptr, &status);
        if (status == KEY_NO_EXIST)
            return std::nullopt;
        char type = 0;
        if (status != 0 || fits_get_keytype(value.data(), &type, &status) != 0 || (type != 'I' && type != 'F'))
            fail(keyword, "is not a number");
        double number = 0;
        fits_read_key(file_, TDOUBLE, keyword, &number, nullptr, &status);
        if (status != 0 || !std::isfinite(number) || !(number > 0))
            fail(keyword, "is not a positive number");
        return number;
    }

    [[noreturn]] void fail(const char* keyword, const std::string& why) const
    {
        throw InputError(echoed(path_) + ": keyword " + keyword + " " + why);
    }

private:
    fitsfile* file_;
    const std::string& path_;
};

// Moves to the first HDU holding an image, so that a compressed image
// (stored in an extension) is read like a plain one.
void moveToImage(fitsfile* file, const std::string& path)
{
    int status = 0;
    for (int hdu = 1;; ++hdu) {
        int type = 0;
        if (fits_movabs_hdu(file, hdu, &type, &status) != 0)
            throw InputError(echoed(path) + ": holds no image");
        if (type != IMAGE_HDU)
            continue;
        int axes = 0;
        if (fits_get_img_dim(file, &axes, &status) == 0 && axes > 0)
            return;
    }
}

// CFITSIO would expand a compressed file whole into memory, however large it
// grows; a gzip file is expanded here instead, within this bound.
constexpr std::size_t kLargestExpandedFile = 40 * 1024 * 1024;

enum class Packing { None, Gzip, Other };

Packing packingOf(const std::string& path)
{
    std::array<unsigned char, 3> magic {};
    std::FILE* file = std::fopen(path.c_str(), "rb");
    const std::size_t read = file ? std::fread(magic.data(), 1, magic.size(), file) : 0;
    if (file)
        std::fclose(file);
    if (read >= 2 && magic[0] == 0x1F && magic[1] == 0x8B)
        return Packing::Gzip;
    const bool compress = read >= 2 && magic[0] == 0x1F && (magic[1] == 0x9D || magic[1] == 0x1E || magic[1] == 0xA0);
    const bool zip = read >= 2 && magic[0] == 'P' && magic[1] == 'K';
    const bool bzip2 = read == 3 && magic[0] == 'B' && magic[1] == 'Z' && magic[2] == 'h';
    return compress || zip || bzip2 ? Packing::Other : Packing::None;
}

// The whole expanded content of a gzip file, refused past the bound.
std::vector<char> expandedGzip(const std::string& path)
{
    const std::unique_ptr<gzFile_s, int (*)(gzFile)> file(gzopen(path.c_str(), "rb"), gzclose);
    if (!file)
        throw InputError(echoed(path) + ": cannot be opened as gzip");
    std::vector<char> content;
    content.reserve(kLargestExpandedFile); // grown in place: no copy doubles the memory
    std::array<char, 1 << 16> block {};
    for (;;) {
        const int read = gzread(file.get(), block.data(), static_cast<unsigned>(block.size()));
        if (read < 0)
            throw InputError(echoed(path) + ": the gzip data is damaged");
        if (read == 0)
            return content;
        if (content.size() + static_cast<std::size_t>(read) > kLargestExpandedFile)
            throw InputError(echoed(path) + ": expands beyond " + std::to_string(kLargestExpandedFile >> 20) +
                " MB; decompress it first, or give a plain or tile-compressed (.fz) image");
        content.insert(content.end(), block.data(), block.data() + read);
    }
}

} // namespace

FitsSetup readFitsSetupWithCfitsio(const std::string& path)
{
    fitsfile* opened = nullptr;
    int status = 0;
    std::vector<char> expanded; // outlives the file that CFITSIO reads from it
    switch (packingOf(path)) {
    case Packing::Gzip: {
        expanded = expandedGzip(path);
        void* memory = expanded.data();
        std::size_t size = expanded.size();
        fits_open_memfile(&opened, path.c_str(), READONLY, &memory, &size, 0, nullptr, &status);
        break;
    }
    case Packing::Other:
        throw InputError(echoed(path) + ": is compressed in a form that is not read; decompress it first");
    case Packing::None:
        fits_open_diskfile(&opened, path.c_str(), READONLY, &status);
        break;
    }
    if (status != 0)
        throw InputError(echoed(path) + ": not a readable FITS file (" + errorText(status) + ")");
    const FitsFile file(opened);
    moveToImage(file.get(), path);

    int axes = 0;
    fits_get_img_dim(file.get(), &axes, &status);
    if (axes < 2 || axes > 3)
        throw InputError(echoed(path) + ": keyword NAXIS is " + std::to_string(axes) +
            "; a sensor image has two axes, or three with colour planes");
    std::vector<long> size(static_cast<std::size_t>(axes));
    if (fits_get_img_size(file.get(), axes, size.data(), &status) != 0 || size[0] < 1 || size[1] < 1 ||
        (axes == 3 && size[2] < 1))
        throw InputError(echoed(path) + ": keywords NAXIS1 and NAXIS2 do not give an image");

    // A file cut short keeps a whole header: reading its last pixel tells.
    std::vector<long> lastPixel = size;
    double pixel = 0;
    if (fits_read_pix(file.get(), TDOUBLE, lastPixel.data(), 1, nullptr, &pixel, nullptr, &status) != 0)
        throw InputError(echoed(path) + ": the image data is truncated or unreadable (" + errorText(status) + ")");

    const HeaderReader header(file.get(), path);
    const double binning = header.optional("XBINNING").value_or(1);
    if (binning != std::trunc(binning) || binning > 8)
        header.fail("XBINNING", "is not a whole number from 1 to 8");
    const auto storedPixel = header.optional("XPIXSZ");
    if (const auto height = header.optional("YPIXSZ"); storedPixel && height && *height != *storedPixel)
        header.fail("YPIXSZ", "differs from XPIXSZ; the calculation takes square pixels");

    FitsSetup setup {};
    setup.binning = static_cast<int>(binning);
    setup.focalLength = header.optional("FOCALLEN");
    setup.aperture = header.optional("APTDIA");
    if (storedPixel)
        setup.pixelSize = *storedPixel / binning;
    setup.width = static_cast<double>(size[0]) * binning;
    setup.height = static_cast<double>(size[1]) * binning;
    return setup;
}

} // namespace velmora::formats

#ifdef VELMORA_FITS_MODULE
// The module's entry point, looked up by name once the module is loaded:
// true with `setup` filled, or false with the one-line reason in `error`.
extern "C" __attribute__((visibility("default"))) bool velmora_read_fits_setup(
    const std::string& path, velmora::formats::FitsSetup& setup, std::string& error)
{
    try {
        setup = velmora::formats::readFitsSetupWithCfitsio(path);
        return true;
    } catch (const std::exception& failure) {
        error = failure.what();
        return false;
    }
}
#endif
