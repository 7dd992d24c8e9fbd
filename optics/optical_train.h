#pragma once

#include "calc/quantities.h"

namespace velmora::optics {

// A telescope and a camera as they stand behind each other: the tube and
// the sensor's own figures, then what the train does to them.
struct OpticalTrain {
    double aperture; // mm
    double focalLength; // mm, the tube's own
    double pixelSize; // micrometres, one unbinned pixel
    double width; // pixels, unbinned
    double height; // pixels, unbinned
    double barlow = 1; // multiplies the focal length; below 1 a reducer
    int binning = 1; // pixels summed along each side
    double pixelHeight = 0; // micrometres along the height, unbinned; 0 for square pixels

    double effectiveFocalLength() const { return focalLength * barlow; }
    double effectivePixelSize() const { return pixelSize * binning; }
    double effectivePixelHeight() const { return (pixelHeight > 0 ? pixelHeight : pixelSize) * binning; }
    // A partial block of pixels at the edge is dropped, as cameras do.
    double effectiveWidth() const;
    double effectiveHeight() const;
    // A binning that leaves no whole binned pixel leaves no image.
    bool hasWholeBinnedPixel() const { return effectiveWidth() >= 1 && effectiveHeight() >= 1; }
};

// What the engine computes on: the effective focal length, pixel and format;
// the tube weight keeps the tube's own focal length. The engine knows one
// pixel size, as the window has one field: the width's.
Inputs engineInputs(const OpticalTrain& train);

} // namespace velmora::optics
