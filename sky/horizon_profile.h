#pragma once

#include <vector>

namespace velmora::sky {

// A point of a local horizon: the altitude (degrees) of what hides the sky
// at an azimuth (degrees from north through east).
struct HorizonPoint {
    double azimuth;
    double altitude;
};

// The skyline seen from a site, as a horizon file draws it: read linearly
// between its points, wrapping round from the last azimuth to the first. An
// empty profile is the flat horizon.
class HorizonProfile {
public:
    HorizonProfile() = default;
    // At least two points, azimuths from 0 up to 360 and altitudes from -90
    // to 90; sorted here by azimuth, the last of equal azimuths kept.
    explicit HorizonProfile(std::vector<HorizonPoint> points);

    double altitudeAt(double azimuth) const;
    bool empty() const { return points_.empty(); }
    const std::vector<HorizonPoint>& points() const { return points_; }

private:
    std::vector<HorizonPoint> points_;
};

} // namespace velmora::sky
