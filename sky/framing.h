#pragma once

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

// Frames laid in a grid that turns with the camera, neighbours overlapping
// by a share of a frame.
struct FramedMosaic {
    std::uint32_t columns;
    std::uint32_t rows;
    double overlap; // 0 up to 0.5
    double cameraAngle; // where the whole holds the outline, degrees
    double margin; // k of the whole at that angle

    std::uint64_t frames() const { return std::uint64_t {columns} * rows; }
};

// The field of a grid of frames.
SkyField mosaicField(const SkyField& frame, std::uint32_t columns, std::uint32_t rows, double overlap);

// The grid with the fewest frames that holds the outline at some camera
// angle (the largest margin among equals), or none beyond `mostFrames`.
std::optional<FramedMosaic> fewestFrames(
    const SkyField& frame, const Outline& outline, double overlap, std::uint32_t mostFrames = 1000000);

} // namespace velmora::sky
