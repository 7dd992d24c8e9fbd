#include "mosaic_tiles.h"

#include "units/angles.h"

#include <erfa.h>

#include <cmath>

namespace velmora::sky {

std::vector<MosaicTile> mosaicTiles(const FramedMosaic& mosaic, double rightAscension, double declination)
{
    const Mosaic& grid = mosaic.grid;
    const double angle = units::radians(mosaic.cameraAngle);
    const double stepX = units::radians(grid.stepX() / units::kArcminPerDegree);
    const double stepY = units::radians(grid.stepY() / units::kArcminPerDegree);
    std::vector<MosaicTile> tiles;
    tiles.reserve(grid.columns * grid.rows);
    for (std::uint64_t row = 0; row < grid.rows; ++row) {
        for (std::uint64_t column = 0; column < grid.columns; ++column) {
            // Along the sensor's width and height from the centre, then
            // turned onto east and north.
            const double x = (double(column) - double(grid.columns - 1) / 2) * stepX;
            const double y = (double(row) - double(grid.rows - 1) / 2) * stepY;
            const double east = x * std::cos(angle) + y * std::sin(angle);
            const double north = -x * std::sin(angle) + y * std::cos(angle);
            double ra = 0;
            double dec = 0;
            eraTpsts(east, north, units::radians(rightAscension), units::radians(declination), &ra, &dec);
            tiles.push_back({column + 1, row + 1, units::degrees(eraAnp(ra)), units::degrees(dec)});
        }
    }
    return tiles;
}

} // namespace velmora::sky
