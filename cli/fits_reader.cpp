// Reading a FITS image header with CFITSIO.
#include "fits_header.h"

#include "usage_error.h"

#include <fitsio.h>

#include <array>
#include <cmath>
#include <memory>

namespace velmora::cli {

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

    std::optional<double> optional(const char* keyword) const
    {
        double value = 0;
        int status = 0;
        fits_read_key(file_, TDOUBLE, keyword, &value, nullptr, &status);
        if (status == KEY_NO_EXIST)
            return std::nullopt;
        if (status != 0 || !std::isfinite(value) || !(value > 0))
            throw UsageError("--fits: " + path_ + ": keyword " + keyword + " is not a positive number");
        return value;
    }

    double required(const char* keyword) const
    {
        const auto value = optional(keyword);
        if (!value)
            throw UsageError("--fits: " + path_ + ": keyword " + keyword + " is missing");
        return *value;
    }

private:
    fitsfile* file_;
    const std::string& path_;
};

} // namespace

FitsSetup readFitsSetupWithCfitsio(const std::string& path)
{
    fitsfile* opened = nullptr;
    int status = 0;
    // Moves to the first HDU holding an image, so that a compressed image
    // (stored in an extension) is read like a plain one.
    if (fits_open_image(&opened, path.c_str(), READONLY, &status) != 0)
        throw UsageError("--fits: " + path + ": not a readable FITS image (" + errorText(status) + ")");
    const FitsFile file(opened);

    int axes = 0;
    std::array<long, 2> size {};
    if (fits_get_img_dim(file.get(), &axes, &status) != 0 || axes < 2 ||
        fits_get_img_size(file.get(), 2, size.data(), &status) != 0 || size[0] < 1 || size[1] < 1)
        throw UsageError("--fits: " + path + ": keywords NAXIS1 and NAXIS2 do not give a two-dimensional image");

    // A file cut short keeps a whole header: reading its last pixel tells.
    std::array<long, 2> lastPixel = size;
    double pixel = 0;
    if (fits_read_pix(file.get(), TDOUBLE, lastPixel.data(), 1, nullptr, &pixel, nullptr, &status) != 0)
        throw UsageError("--fits: " + path + ": the image data is truncated or unreadable (" + errorText(status) + ")");

    const HeaderReader header(file.get(), path);
    FitsSetup setup {};
    setup.focalLength = header.required("FOCALLEN");
    setup.storedPixelSize = header.required("XPIXSZ");
    if (const auto height = header.optional("YPIXSZ"); height && *height != setup.storedPixelSize)
        throw UsageError("--fits: " + path + ": keywords XPIXSZ and YPIXSZ differ; the calculation takes square pixels");
    const double binning = header.optional("XBINNING").value_or(1);
    if (binning != std::trunc(binning) || binning > 8)
        throw UsageError("--fits: " + path + ": keyword XBINNING is not a whole number from 1 to 8");
    setup.binning = static_cast<int>(binning);
    setup.storedWidth = static_cast<double>(size[0]);
    setup.storedHeight = static_cast<double>(size[1]);
    setup.aperture = header.optional("APTDIA");
    return setup;
}

} // namespace velmora::cli

#ifdef VELMORA_FITS_MODULE
// The module's entry point, looked up by name once the module is loaded:
// true with `setup` filled, or false with the one-line reason in `error`.
extern "C" __attribute__((visibility("default"))) bool velmora_read_fits_setup(
    const std::string& path, velmora::cli::FitsSetup& setup, std::string& error)
{
    try {
        setup = velmora::cli::readFitsSetupWithCfitsio(path);
        return true;
    } catch (const std::exception& failure) {
        error = failure.what();
        return false;
    }
}
#endif
