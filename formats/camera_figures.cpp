#include "camera_figures.h"
#include "exact_number.h"

#include "input_error.h"
#include "strict_number.h"

#include <cmath>

namespace velmora::formats {

namespace {

// One axis: the pixel size given, else the chip's size over the pixels.
double pixelAlong(const CameraFigures& c, const char* axis, std::optional<double> pixel, std::optional<double> chip,
    double resolution, std::vector<std::string>& warnings)
{
    const std::optional<double> fromChip =
        chip ? std::optional<double>(*chip * 1000 / resolution) : std::optional<double>();
    if (pixel && fromChip && std::abs(*pixel - *fromChip) > 0.01 * *fromChip)
        warnings.push_back("camera " + echoed(c.name) + ": the pixel " + axis + " " + exactNumber(*pixel) +
            " um differs from the chip's " + exactNumber(*chip) + " mm / " + exactNumber(resolution) +
            " px = " + exactNumber(*fromChip) + " um by more than 1%; using " + exactNumber(*pixel) + " um");
    if (pixel)
        return *pixel;
    if (fromChip && (!std::isfinite(*fromChip) || *fromChip <= 0))
        throw InputError("camera " + echoed(c.name) + ": the chip's " + exactNumber(*chip) + " mm / " +
            exactNumber(resolution) + " px gives a pixel " + axis + " of " + exactNumber(*fromChip) +
            " um, not a positive finite size");
    if (fromChip)
        return *fromChip;
    throw InputError(std::string("camera ") + echoed(c.name) + " has neither a pixel " + axis + " nor a chip " + axis);
}

} // namespace

optics::Camera cameraFrom(const CameraFigures& c, std::vector<std::string>& warnings)
{
    const double width = pixelAlong(c, "width", c.pixelWidth, c.chipWidth, c.resolutionX, warnings);
    // Without a height of its own a pixel is square.
    const double height = c.pixelHeight || c.chipHeight
        ? pixelAlong(c, "height", c.pixelHeight, c.chipHeight, c.resolutionY, warnings)
        : width;
    return {c.name, width, c.resolutionX, c.resolutionY, height == width ? 0 : height};
}

} // namespace velmora::formats
