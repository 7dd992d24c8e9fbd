#pragma once

#include "optics/equipment.h"

#include <optional>
#include <string>
#include <vector>

namespace velmora::formats {

// A camera as equipment files describe it: pixel sizes, or the chip's size
// to divide by the resolution, or both.
struct CameraFigures {
    std::string name;
    double resolutionX; // pixels
    double resolutionY;
    std::optional<double> pixelWidth; // micrometres
    std::optional<double> pixelHeight;
    std::optional<double> chipWidth; // millimetres
    std::optional<double> chipHeight;
};

// The camera, its pixel sizes taken as given or as chip size / resolution.
// Where both are given and differ by more than 1%, the pixel size is used
// and a warning naming the camera and both values is added to `warnings`.
// Neither given throws InputError without a place, which the caller adds.
optics::Camera cameraFrom(const CameraFigures& figures, std::vector<std::string>& warnings);

} // namespace velmora::formats
