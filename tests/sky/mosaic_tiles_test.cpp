#include "sky/mosaic_tiles.h"
#include "sky/sexagesimal.h"

#include <erfa.h>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <numbers>

namespace velmora::sky {
namespace {

constexpr double kArcsec = std::numbers::pi / 180 / 3600;

struct TileRow {
    const char* where;
    double ra, dec; // degrees
    std::uint64_t columns, rows;
    double frameWidth, frameHeight; // arcmin
    double overlap;
    double angle; // degrees
};

// Read back onto the plane tangent at the target, through ERFA's own
// projection, and turned back by the camera angle, each tile stands a whole
// number of steps from the centre along the sensor's width and height, so
// neighbours stand one step apart along one and none across it.
TEST(MosaicTiles, NeighboursStandAFrameLessTheOverlapApartInTheTurnedDirections)
{
    const TileRow rows[] = {
        {"M31, turned 35 deg", 10.68, 41.27, 5, 18, 15.19, 11.35, 0.10, 35},
        {"square, not turned", 83.82, -5.39, 3, 3, 30, 30, 0.2, 0},
        {"across 0h", 359.9, 10, 4, 2, 60, 40, 0.15, 90},
        {"near the pole", 37.95, 89.26, 3, 4, 50, 30, 0.1, 147.5},
        {"south, wide", 201.37, -47.48, 2, 3, 120, 80, 0.3, 271},
    };
    for (const TileRow& row : rows) {
        SCOPED_TRACE(row.where);
        const FramedMosaic mosaic {{row.columns, row.rows, row.frameWidth, row.frameHeight, row.overlap}, row.angle, 1};
        const std::vector<MosaicTile> tiles = mosaicTiles(mosaic, row.ra, row.dec);
        ASSERT_EQ(tiles.size(), row.columns * row.rows);
        const double stepX = row.frameWidth * 60 * (1 - row.overlap);
        const double stepY = row.frameHeight * 60 * (1 - row.overlap);
        const double turn = row.angle * std::numbers::pi / 180;
        // Along the sensor's width and height, arcseconds, from the tangent plane.
        const auto onSensor = [&](const MosaicTile& tile) {
            double xi = 0, eta = 0;
            EXPECT_EQ(eraTpxes(tile.rightAscension * std::numbers::pi / 180, tile.declination * std::numbers::pi / 180,
                          row.ra * std::numbers::pi / 180, row.dec * std::numbers::pi / 180, &xi, &eta),
                0);
            return std::pair {(xi * std::cos(turn) - eta * std::sin(turn)) / kArcsec,
                (xi * std::sin(turn) + eta * std::cos(turn)) / kArcsec};
        };
        for (const MosaicTile& tile : tiles) {
            const auto [x, y] = onSensor(tile);
            EXPECT_NEAR(x, (double(tile.column) - (double(row.columns) + 1) / 2) * stepX, 0.1);
            EXPECT_NEAR(y, (double(tile.row) - (double(row.rows) + 1) / 2) * stepY, 0.1);
        }
    }
}

// Small frames around the centre: the sky's own separations, by ERFA,
// are the step within 0.1".
TEST(MosaicTiles, OnTheSkyNeighbourCentresAreTheStepApart)
{
    const FramedMosaic mosaic {{3, 3, 20, 14, 0.1}, 62, 1};
    const std::vector<MosaicTile> tiles = mosaicTiles(mosaic, 148.9, 69.07);
    const auto separation = [](const MosaicTile& a, const MosaicTile& b) {
        const double toRadians = std::numbers::pi / 180;
        return eraSeps(a.rightAscension * toRadians, a.declination * toRadians, b.rightAscension * toRadians,
                   b.declination * toRadians) /
            kArcsec;
    };
    const MosaicTile& centre = tiles[4];
    EXPECT_NEAR(separation(centre, tiles[3]), 20 * 60 * 0.9, 0.1);
    EXPECT_NEAR(separation(centre, tiles[5]), 20 * 60 * 0.9, 0.1);
    EXPECT_NEAR(separation(centre, tiles[1]), 14 * 60 * 0.9, 0.1);
    EXPECT_NEAR(separation(centre, tiles[7]), 14 * 60 * 0.9, 0.1);
    EXPECT_NEAR(separation(tiles[0], tiles[1]), 20 * 60 * 0.9, 0.1);
}

// At camera angle 0 columns grow eastward (RA up) and rows northward.
TEST(MosaicTiles, AtAngleZeroColumnsGrowEastAndRowsNorth)
{
    const std::vector<MosaicTile> tiles = mosaicTiles({{2, 2, 30, 30, 0.1}, 0, 1}, 150, 20);
    EXPECT_GT(tiles[1].rightAscension, tiles[0].rightAscension);
    EXPECT_NEAR(tiles[1].declination, tiles[0].declination, 0.01);
    EXPECT_GT(tiles[2].declination, tiles[0].declination);
    EXPECT_EQ(tiles[3].column, 2u);
    EXPECT_EQ(tiles[3].row, 2u);
}

struct Written {
    double degrees;
    const char* rightAscension;
    const char* declination;
};

// The catalogue's way of writing places, rounded at the last digit, and
// never 24h or 60s.
TEST(Sexagesimal, PlacesAreWrittenAsTheCatalogueWritesThem)
{
    const Written rows[] = {
        {0, "00:00:00.00", "+00:00:00.0"},
        {10.684792, "00:42:44.35", "+10:41:05.3"},
        {-5.391111, "23:38:26.13", "-05:23:28.0"},
        {359.9999999, "00:00:00.00", ""},
        {89.99999, "06:00:00.00", "+90:00:00.0"},
        {-89.99999, "18:00:00.00", "-90:00:00.0"},
    };
    for (const Written& row : rows) {
        EXPECT_EQ(rightAscensionText(row.degrees), row.rightAscension) << row.degrees;
        if (std::abs(row.degrees) <= 90) {
            EXPECT_EQ(declinationText(row.degrees), row.declination) << row.degrees;
        }
    }
}

} // namespace
} // namespace velmora::sky
