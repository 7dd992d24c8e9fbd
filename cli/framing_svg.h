#pragma once

#include "sky.h"

#include <string>

namespace velmora::cli {

// A picture of a body framed by the camera on a date, as an SVG document:
// the sensor as a rectangle with the body's disk to scale on it, the disk's
// size in pixels and the date written on it, and, for a disk larger than
// the sensor, the grid of the mosaic that covers it.
std::string framingSvg(const BodyView& view, const OpticalTrain& train, const SkyDate& date);

} // namespace velmora::cli
