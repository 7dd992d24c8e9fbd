#pragma once

#include <cstdint>
#include <optional>

namespace velmora::sky {

// Frames of one size laid in a grid, neighbours overlapping by a share of a
// frame. The frame's size is in whatever unit the caller measures the span
// in: pixels on the sensor, arcminutes on the sky.
struct Mosaic {
    std::uint64_t columns;
    std::uint64_t rows;
    double frameWidth;
    double frameHeight;
    double overlap; // of a frame, from 0 up to 0.5

    double stepX() const { return frameWidth * (1 - overlap); }
    double stepY() const { return frameHeight * (1 - overlap); }
    double totalWidth() const { return frameWidth + double(columns - 1) * frameWidth * (1 - overlap); }
    double totalHeight() const { return frameHeight + double(rows - 1) * frameHeight * (1 - overlap); }
    // The frame count, or none when it is beyond counting in 64 bits.
    std::optional<std::uint64_t> frames() const;
};

// The fewest frames of `frame` side by side, overlapping by `overlap`, whose
// span reaches `span`; a count beyond any use stops at half the 64 bits.
std::uint64_t framesToReach(double span, double frame, double overlap);

// A body's disk is covered by frames overlapping by a tenth.
inline constexpr double kDiskMosaicOverlap = 0.10;

// The mosaic of `frameWidth` x `frameHeight` frames that covers a square of
// `span`; frames must be at least a pixel.
Mosaic mosaicCovering(double span, double frameWidth, double frameHeight, double overlap = kDiskMosaicOverlap);

} // namespace velmora::sky
