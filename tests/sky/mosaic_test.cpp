#include "sky/mosaic.h"

#include <gtest/gtest.h>

#include <limits>

namespace velmora::sky {
namespace {

struct CoverRow {
    double span; // pixels, over 100 x 50 px frames overlapping by 10%
    std::uint64_t columns;
    std::uint64_t rows;
    double coveredWidth; // 100 + (columns - 1) x 90 px, worked by hand
};

TEST(Mosaic, CoversTheSpanWithTheFewestOverlappingFrames)
{
    const CoverRow rows[] = {{10, 1, 1, 100}, {50, 1, 1, 100}, {50.5, 1, 2, 100}, {95, 1, 2, 100}, {95.5, 1, 3, 100},
        {100, 1, 3, 100}, {100.5, 2, 3, 190}, {190, 2, 5, 190}, {190.5, 3, 5, 280}};
    for (const CoverRow& row : rows) {
        const Mosaic mosaic = mosaicCovering(row.span, 100, 50);
        EXPECT_EQ(mosaic.columns, row.columns) << row.span;
        EXPECT_EQ(mosaic.rows, row.rows) << row.span;
        EXPECT_DOUBLE_EQ(mosaic.totalWidth(), row.coveredWidth) << row.span;
        EXPECT_GE(mosaic.totalHeight(), row.span) << row.span;
    }
}

TEST(Mosaic, CountsBeyondAnyUseNeverOverflow)
{
    // The Sun's 1947" disk on 1 px frames of 0.000103" each.
    const Mosaic sun = mosaicCovering(1.8877e7, 1, 1);
    EXPECT_EQ(sun.columns, 20974445u);
    EXPECT_EQ(*sun.frames(), 439927343058025ull); // 20974445 squared
    const Mosaic endless = mosaicCovering(1e300, 1, 1);
    EXPECT_EQ(endless.columns, std::numeric_limits<std::uint64_t>::max() / 2) << "it stops at half the 64 bits";
    EXPECT_FALSE(endless.frames()) << "more frames than 64 bits count";
}

} // namespace
} // namespace velmora::sky
