#pragma once

#include <string>

namespace velmora::optics {

// One piece of equipment as every catalogue describes it, built-in or the
// user's own.

struct Telescope {
    std::string name;
    double aperture; // mm
    double focalLength; // mm

    bool operator==(const Telescope&) const = default;
};

struct Camera {
    std::string name;
    double pixelSize; // micrometres, one unbinned pixel, along the width
    double width; // pixels
    double height; // pixels
    double pixelHeight = 0; // micrometres along the height; 0 for square pixels

    double pixelHeightOrSize() const { return pixelHeight > 0 ? pixelHeight : pixelSize; }
    bool operator==(const Camera&) const = default;
};

// A barlow (factor above 1) or a reducer (below 1).
struct Lens {
    std::string name;
    double factor;

    bool operator==(const Lens&) const = default;
};

} // namespace velmora::optics
