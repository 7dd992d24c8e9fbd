#pragma once

#include "mosaic.h"

#include <cmath>
#include <cstdint>
#include <optional>

namespace velmora::sky {

// A field on the sky, in arcminutes: the sensor's width and height.
struct SkyField {
    double width;
    double height;

    bool isPositiveAndFinite() const
    {
        return width > 0 && height > 0 && std::isfinite(width) && std::isfinite(height);
    }
};

// An object's outline: an ellipse with its axes in arcminutes and the major
// axis at a position angle counted from north through east.
struct Outline {
    double majorAxis;
    double minorAxis;
    double positionAngle; // degrees
};

// How well an outline sits in a field: the margin k is how much the object
// could grow and still fit; it fits when k >= 1 and fills 1 / k. The camera
// angle counts from north through east; at 0 the sensor's width runs east
// to west.
struct FitMargin {
    double atZero; // k with the camera at 0
    double best; // the largest k at any angle
    double bestAngle; // where it is reached, degrees from 0 up to 180
};

// The margin at one camera angle, and the best over all angles. The outline
// must have a positive major axis.
double marginAt(const SkyField& field, const Outline& outline, double cameraAngle);
FitMargin fitMargin(const SkyField& field, const Outline& outline);

// A mosaic of fields (in arcminutes) that turns with the camera.
struct FramedMosaic {
    Mosaic grid;
    double cameraAngle; // where the whole holds the outline, degrees
    double margin; // k of the whole at that angle

    // Never beyond counting: the search stops at a limit.
    std::uint64_t frames() const { return grid.columns * grid.rows; }
};

// The field the whole of a grid of fields covers.
SkyField wholeField(const Mosaic& grid);

// A mosaic of more frames is past any night's use.
inline constexpr std::uint32_t kMostMosaicFrames = 1'000'000;

// The grid with the fewest frames that holds the outline at some camera
// angle (the largest margin among equals), or none beyond `mostFrames`.
std::optional<FramedMosaic> fewestFrames(
    const SkyField& frame, const Outline& outline, double overlap, std::uint32_t mostFrames = kMostMosaicFrames);

} // namespace velmora::sky
