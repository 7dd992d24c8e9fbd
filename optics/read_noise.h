#pragma once

#include <optional>
#include <vector>

namespace velmora::optics {

// A camera's read noise measured at gains: one point a gain.
struct GainReadNoise {
    double gain;
    double readNoise; // electrons
};

// A table of read noise by gain, read between neighbouring points only: a
// sensor's read mode may switch between two gains (2.88 e- at 99, 1.46 e- at
// 100), and a line drawn between them must not reach past either.
class ReadNoiseTable {
public:
    // The points in any order; gains must differ.
    explicit ReadNoiseTable(std::vector<GainReadNoise> points);

    // The read noise at `gain`: the point's own, or a straight line between
    // its two neighbours; none outside the table's gains.
    std::optional<double> at(double gain) const;
    double lowestGain() const { return points_.front().gain; }
    double highestGain() const { return points_.back().gain; }
    const std::vector<GainReadNoise>& points() const { return points_; }

private:
    std::vector<GainReadNoise> points_; // by gain
};

} // namespace velmora::optics
