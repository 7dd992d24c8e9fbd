#include "horizon_profile.h"

#include <algorithm>
#include <cmath>

namespace velmora::sky {

HorizonProfile::HorizonProfile(std::vector<HorizonPoint> points) : points_(std::move(points))
{
    std::ranges::stable_sort(points_, {}, &HorizonPoint::azimuth);
    // Of points at one azimuth the file's last says what stands there.
    const auto sameAzimuth = [](const HorizonPoint& a, const HorizonPoint& b) { return a.azimuth == b.azimuth; };
    std::reverse(points_.begin(), points_.end());
    points_.erase(std::unique(points_.begin(), points_.end(), sameAzimuth), points_.end());
    std::reverse(points_.begin(), points_.end());
}

double HorizonProfile::altitudeAt(double azimuth) const
{
    if (points_.empty())
        return 0;
    if (points_.size() == 1)
        return points_.front().altitude;
    const double a = std::fmod(std::fmod(azimuth, 360.0) + 360, 360.0);
    const auto after = std::ranges::upper_bound(points_, a, {}, &HorizonPoint::azimuth);
    // Between the last point and the first, the line runs on through 360.
    const HorizonPoint& next = after == points_.end() ? points_.front() : *after;
    const HorizonPoint& before = after == points_.begin() ? points_.back() : *(after - 1);
    const double span = std::fmod(next.azimuth - before.azimuth + 360, 360.0);
    if (span == 0)
        return before.altitude;
    const double along = std::fmod(a - before.azimuth + 360, 360.0) / span;
    return before.altitude + (next.altitude - before.altitude) * along;
}

} // namespace velmora::sky
