#pragma once

#include "framing.h"

#include <cstdint>
#include <vector>

namespace velmora::sky {

// One frame of a target's mosaic on the sky: where to point for it.
struct MosaicTile {
    std::uint64_t column, row; // from 1
    double rightAscension, declination; // J2000, degrees
};

// The centres of a mosaic's frames around a target's centre (J2000,
// degrees), laid out on the plane tangent to the sky there and carried back
// to the sky through the gnomonic projection. Columns run along the
// sensor's width and rows along its height; at camera angle 0 column
// numbers grow eastward and row numbers northward, and the whole grid turns
// with the camera angle (the sensor's height from north through east).
std::vector<MosaicTile> mosaicTiles(const FramedMosaic& mosaic, double rightAscension, double declination);

} // namespace velmora::sky
