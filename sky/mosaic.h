#pragma once

#include <cstdint>
#include <optional>

namespace velmora::sky {

inline constexpr double kMosaicOverlap = 0.10; // of a frame, between neighbours

// Frames of one size laid in a grid, neighbours overlapping, to cover a span.
struct Mosaic {
    std::uint64_t columns;
    std::uint64_t rows;
    double frameWidth; // pixels
    double frameHeight;

    double stepX() const { return frameWidth * (1 - kMosaicOverlap); }
    double stepY() const { return frameHeight * (1 - kMosaicOverlap); }
    double totalWidth() const { return frameWidth + double(columns - 1) * stepX(); }
    double totalHeight() const { return frameHeight + double(rows - 1) * stepY(); }
    // The frame count, or none when it is beyond counting in 64 bits.
    std::optional<std::uint64_t> frames() const;
};

// The mosaic of `frameWidth` x `frameHeight` frames that covers a square of
// `span` pixels; frames must be at least a pixel.
Mosaic mosaicCovering(double span, double frameWidth, double frameHeight);

} // namespace velmora::sky
