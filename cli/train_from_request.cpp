#include "train_from_request.h"

#include "fits_header.h"
#include "strict_number.h"
#include "usage_error.h"

#include <optional>

namespace velmora::cli {

namespace {

double required(const std::optional<double>& value, const char* what, const char* sources)
{
    if (!value)
        throw UsageError(std::string("missing the ") + what + ": give " + sources);
    return *value;
}

} // namespace

double barlowOf(const Request& request)
{
    return positiveNumber(request.barlow, "--barlow");
}

int binningOf(const Request& request)
{
    const double binning = positiveWholeNumber(request.binning, "--binning");
    if (binning > 8)
        throw UsageError("--binning: '" + request.binning + "' is not a whole number from 1 to 8");
    return static_cast<int>(binning);
}

OpticalTrain trainFromRequest(const Request& request, const EquipmentCatalogue& catalogue)
{
    std::optional<double> aperture, focalLength, pixelSize, width, height;
    int binning = 1;
    if (!request.telescope.empty()) {
        const TelescopeEntry* telescope = findTelescope(catalogue, request.telescope);
        if (!telescope)
            throw UsageError("--telescope: no telescope named '" + request.telescope + "' (see --list telescopes)");
        aperture = telescope->aperture;
        focalLength = telescope->focalLength;
    }
    if (!request.camera.empty()) {
        const CameraEntry* camera = findCamera(catalogue, request.camera);
        if (!camera)
            throw UsageError("--camera: no camera named '" + request.camera + "' (see --list cameras)");
        pixelSize = camera->pixelSize;
        width = camera->width;
        height = camera->height;
    }
    if (!request.fits.empty()) {
        // The header describes binned pixels; the train keeps unbinned ones.
        const FitsSetup fits = readFitsSetup(request.fits);
        focalLength = fits.focalLength;
        binning = fits.binning;
        pixelSize = fits.storedPixelSize / fits.binning;
        width = fits.storedWidth * fits.binning;
        height = fits.storedHeight * fits.binning;
        if (fits.aperture)
            aperture = fits.aperture;
    }
    if (request.aperture)
        aperture = positiveNumber(*request.aperture, "--aperture");
    if (request.focalLength)
        focalLength = positiveNumber(*request.focalLength, "--focal-length");
    if (request.pixelSize)
        pixelSize = positiveNumber(*request.pixelSize, "--pixel-size");
    if (request.width)
        width = positiveWholeNumber(*request.width, "--width");
    if (request.height)
        height = positiveWholeNumber(*request.height, "--height");
    if (request.binningGiven || request.fits.empty())
        binning = binningOf(request);

    OpticalTrain train {};
    train.aperture = required(aperture, "aperture", "--aperture, --telescope, or --fits with APTDIA");
    train.focalLength = required(focalLength, "focal length", "--focal-length, --telescope or --fits");
    train.pixelSize = required(pixelSize, "pixel size", "--pixel-size, --camera or --fits");
    train.width = required(width, "sensor width", "--width, --camera or --fits");
    train.height = required(height, "sensor height", "--height, --camera or --fits");
    train.barlow = barlowOf(request);
    train.binning = binning;
    return train;
}

} // namespace velmora::cli
