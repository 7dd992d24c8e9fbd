#pragma once

#include <string>

namespace velmora::optics {

// One piece of equipment as every catalogue describes it, built-in or the
// user's own.

struct Telescope {
    std::string name;
    double aperture; // mm
    double focalLength; // mm
};

struct Camera {
    std::string name;
    double pixelSize; // micrometres, one unbinned pixel
    double width; // pixels
    double height; // pixels
};

} // namespace velmora::optics
