#include "sky/framing.h"

#include <gtest/gtest.h>

#include <cmath>

namespace velmora::sky {
namespace {

// Cases worked by hand on a 20 x 10 arcmin field unless said otherwise.
struct MarginRow {
    const char* what;
    SkyField field;
    Outline outline;
    double atZero;
    double best;
    double bestAngle;
};

// Only a field positive and finite along both sides frames anything.
TEST(SkyField, FramesOnlyWhenBothSidesArePositiveAndFinite)
{
    const double inf = INFINITY;
    const std::pair<SkyField, bool> rows[] = {{{15, 11}, true}, {{0, 11}, false}, {{15, 0}, false}, {{-15, 11}, false},
        {{15, -11}, false}, {{inf, 11}, false}, {{15, inf}, false}, {{NAN, 11}, false}, {{15, NAN}, false}};
    for (const auto& [field, frames] : rows)
        EXPECT_EQ(field.isPositiveAndFinite(), frames) << field.width << " x " << field.height;
}

TEST(Framing, MarginsWorkedByHand)
{
    const MarginRow rows[] = {
        // A disk of 10' touches the height at any angle.
        {"circle", {20, 10}, {10, 10, 0}, 1, 1, 0},
        // 16 x 4 along the width: k = min(10/8, 5/2) at 0. Turned until both
        // sides bind, cos² φ = (100·64 - 25·4) / (60·125) = 0.84, where the
        // half-extent along the width is sqrt(54.4).
        {"along the width", {20, 10}, {16, 4, 90}, 1.25, 10 / std::sqrt(54.4), 23.578178478201835},
        // The same north-south: the 8' half-axis meets the 5' half-height;
        // turning either way by the same angle is as good (-1: not compared).
        {"along the height", {20, 10}, {16, 4, 0}, 5.0 / 8, 10 / std::sqrt(54.4), -1},
        // A 10 x 6 ellipse at 45° on a square field: both half-extents are
        // sqrt((25 + 9) / 2), wherever the camera turns by a right angle.
        {"the 45 degree case", {10, 10}, {10, 6, 45}, 5 / std::sqrt(17.0), 5 / std::sqrt(17.0), 0},
        // Rounder than the field (b/a >= h/w): turning only costs height,
        // so the best lies flat along the width, at min(10/8, 5/6).
        {"rounder than the field", {20, 10}, {16, 12, 90}, 5.0 / 6, 5.0 / 6, 0},
    };
    for (const MarginRow& row : rows) {
        const FitMargin margin = fitMargin(row.field, row.outline);
        EXPECT_NEAR(margin.atZero, row.atZero, 1e-12) << row.what;
        EXPECT_NEAR(margin.best, row.best, 1e-12) << row.what;
        if (row.bestAngle >= 0) {
            EXPECT_NEAR(margin.bestAngle, row.bestAngle, 1e-9) << row.what;
        }
        EXPECT_NEAR(marginAt(row.field, row.outline, margin.bestAngle), margin.best, 1e-12) << row.what;
    }
}

// The closed form against a search over every thousandth of a degree.
TEST(Framing, NoCameraAngleBeatsTheBest)
{
    const SkyField fields[] = {{15.2, 11.35}, {152.7, 101.8}, {30, 30}, {4, 40}};
    const Outline outlines[] = {{13.71, 11.67, 163}, {177.83, 69.66, 35}, {6, 1, 0}, {50, 3, 271}, {8, 8, 12}};
    for (const SkyField& field : fields) {
        for (const Outline& outline : outlines) {
            const FitMargin margin = fitMargin(field, outline);
            double searched = 0;
            for (int step = 0; step < 180000; ++step)
                searched = std::max(searched, marginAt(field, outline, step / 1000.0));
            EXPECT_GE(margin.best, searched - 1e-12) << outline.majorAxis << " on " << field.width;
            EXPECT_LE(margin.best, searched * 1.00001) << outline.majorAxis << " on " << field.width;
            EXPECT_GE(margin.bestAngle, 0);
            EXPECT_LT(margin.bestAngle, 180);
        }
    }
}

TEST(Framing, AnObjectBeyondAMillionFramesHasNoMosaic)
{
    EXPECT_FALSE(fewestFrames({0.01, 0.01}, {600, 600, 0}, 0.1));
    EXPECT_FALSE(fewestFrames({1e-12, 1e-12}, {1e6, 1e6, 0}, 0.49));
}

struct SearchedMosaic {
    SkyField frame;
    Outline outline;
    double overlap;
};

// Against every grid of up to 400 frames, tried one by one: the fewest
// frames, and the largest margin among grids of that many.
TEST(Framing, FewestFramesMatchTheSearchOfEveryGrid)
{
    constexpr std::uint32_t kMost = 400;
    const SearchedMosaic cases[] = {// Two frames reach 19'; a disk just past 10' or 19' needs one more each way.
        {{10, 10}, {10, 10, 0}, 0.1}, {{10, 10}, {10.001, 10.001, 0}, 0.1}, {{10, 10}, {19, 19, 0}, 0.1},
        {{10, 10}, {19.001, 19.001, 0}, 0.1},
        // 30 x 4 at 45 degrees: two frames once the grid turns onto its axis.
        {{20, 10}, {30, 4, 45}, 0.1}, {{20, 10}, {300, 2, 0}, 0.1}, {{20, 10}, {300, 2, 90}, 0.1},
        {{20, 10}, {300, 2, 33}, 0.2}, {{10, 30}, {95, 60, 120}, 0.1}, {{5, 5}, {60, 59, 10}, 0.45},
        {{8, 2}, {1500, 1, 0}, 0.0}, {{3, 4}, {40, 40, 0}, 0.3}, {{3, 4}, {9000, 1, 0}, 0.1}};
    // The whole of a grid: every frame laid end to end, less the overlaps.
    const auto whole = [](const SearchedMosaic& row, std::uint64_t columns, std::uint64_t rows) {
        const auto span = [&row](double size, std::uint64_t count) {
            return double(count) * size - double(count - 1) * row.overlap * size;
        };
        return SkyField {span(row.frame.width, columns), span(row.frame.height, rows)};
    };
    for (const SearchedMosaic& row : cases) {
        SCOPED_TRACE(row.outline.majorAxis);
        std::uint64_t fewest = 0;
        double margin = 0;
        for (std::uint32_t columns = 1; columns <= kMost; ++columns) {
            for (std::uint32_t rows = 1; columns * rows <= kMost; ++rows) {
                const double k = fitMargin(whole(row, columns, rows), row.outline).best;
                const std::uint64_t frames = std::uint64_t {columns} * rows;
                if (k >= 1 && (!fewest || frames < fewest || (frames == fewest && k > margin)))
                    fewest = frames, margin = k;
            }
        }
        const auto mosaic = fewestFrames(row.frame, row.outline, row.overlap, kMost);
        ASSERT_EQ(mosaic.has_value(), fewest > 0);
        if (mosaic) {
            EXPECT_EQ(mosaic->frames(), fewest);
            EXPECT_DOUBLE_EQ(mosaic->margin, margin);
            EXPECT_GE(marginAt(whole(row, mosaic->grid.columns, mosaic->grid.rows), row.outline, mosaic->cameraAngle),
                1 - 1e-12)
                << "it holds at the angle it gives";
        }
    }
}

} // namespace
} // namespace velmora::sky
