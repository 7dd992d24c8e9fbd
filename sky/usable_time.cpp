#include "usable_time.h"

#include "body_height.h"
#include "units/angles.h"

#include <erfa.h>

#include <algorithm>
#include <cmath>

namespace velmora::sky {

namespace {

using units::radians;

constexpr double kLongestStep = 2.0 / units::kMinutesPerDay;

// Sums the time a margin sampled on the grid is not negative, reading each
// crossing of zero between two steps as a straight line between them.
class StretchCounter {
public:
    void add(double t, double margin)
    {
        if (seen_) {
            const double step = t - lastTime_;
            if (lastMargin_ >= 0 && margin >= 0) {
                extend(lastTime_, t);
            } else if (lastMargin_ >= 0) {
                extend(lastTime_, lastTime_ + step * lastMargin_ / (lastMargin_ - margin));
                close();
            } else if (margin >= 0) {
                extend(t - step * margin / (margin - lastMargin_), t);
            }
        }
        seen_ = true;
        lastTime_ = t;
        lastMargin_ = margin;
    }

    UsableTime result()
    {
        close();
        return {days_ * 24, longest_};
    }

private:
    void extend(double from, double to)
    {
        if (!open_) {
            runStart_ = from;
            open_ = true;
        }
        runEnd_ = to;
        days_ += to - from;
    }
    void close()
    {
        if (open_ && (!longest_ || runEnd_ - runStart_ > longest_->days()))
            longest_ = Span {runStart_, runEnd_};
        open_ = false;
    }

    bool seen_ = false, open_ = false;
    double lastTime_ = 0, lastMargin_ = 0;
    double runStart_ = 0, runEnd_ = 0;
    double days_ = 0;
    std::optional<Span> longest_;
};

// East, north and up components of a direction at a site.
std::array<double, 3> unitOf(const Horizontal& h)
{
    const double altitude = radians(h.altitude);
    const double azimuth = radians(h.azimuth);
    return {std::cos(altitude) * std::sin(azimuth), std::cos(altitude) * std::cos(azimuth), std::sin(altitude)};
}

} // namespace

NightGrid::NightGrid(const std::optional<Span>& dark, const GeoSite& site, const BodyTrack& moon, double avoidance,
    const Refraction& refraction) :
      dark_(dark),
      sinLatitude_(std::sin(radians(site.latitude))), cosLatitude_(std::cos(radians(site.latitude))),
      cosAvoidance_(std::cos(radians(avoidance))), refraction_(refraction)
{
    if (!dark_ || dark_->days() <= 0)
        return;
    steps_ = static_cast<std::size_t>(std::ceil(dark_->days() / kLongestStep));
    step_ = dark_->days() / static_cast<double>(steps_);
    siderealStart_ = radians(siderealDegrees(dark_->start, site.longitude));
    siderealStep_ = radians(units::kSiderealDegreesPerDay * step_);
    moon_.reserve(steps_ + 1);
    moonHeight_.reserve(steps_ + 1);
    for (std::size_t i = 0; i <= steps_; ++i) {
        const double t = dark_->start + static_cast<double>(i) * step_;
        moon_.push_back(unitOf(moon.horizontalAt(t, site)));
        moonHeight_.push_back(std::sin(radians(moonLimbHeight(moon, t, site, refraction))));
    }
}

TargetNight NightGrid::measure(const BodyTrack::Place& place, const HorizonProfile& horizon, double minAltitude) const
{
    if (moon_.empty())
        return {};
    const double sinDec = std::sin(radians(place.dec));
    const double cosDec = std::cos(radians(place.dec));
    // The places are geometric: a limit seen is lowered by the refraction.
    const auto sinOfSeen = [this](double altitude) {
        return std::sin(radians(unrefractedAltitude(altitude, refraction_)));
    };
    const double sinLowest = sinOfSeen(minAltitude);
    // Never as high as the lowest altitude: nothing to measure.
    if (sinDec * sinLatitude_ + cosDec * cosLatitude_ < sinLowest)
        return {};
    // The hour angle turns by the same step each time: turned by rotation,
    // not by a sine and cosine a step.
    const double startAngle = siderealStart_ - radians(place.ra);
    double cosH = std::cos(startAngle);
    double sinH = std::sin(startAngle);
    const double cosStep = std::cos(siderealStep_);
    const double sinStep = std::sin(siderealStep_);
    StretchCounter clear;
    StretchCounter up;
    for (std::size_t i = 0; i <= steps_; ++i) {
        const double t = dark_->start + static_cast<double>(i) * step_;
        const double east = -cosDec * sinH;
        const double north = sinDec * cosLatitude_ - cosDec * cosH * sinLatitude_;
        const double height = sinDec * sinLatitude_ + cosDec * cosH * cosLatitude_;
        double lowest = sinLowest;
        if (!horizon.empty()) {
            const double azimuth = units::degrees(std::atan2(east, north));
            const double profile = horizon.altitudeAt(azimuth);
            if (profile > minAltitude)
                lowest = sinOfSeen(profile);
        }
        const auto& moon = moon_[i];
        const double aboveLowest = height - lowest;
        const double clearOfMoon =
            std::max(-moonHeight_[i], cosAvoidance_ - (east * moon[0] + north * moon[1] + height * moon[2]));
        up.add(t, aboveLowest);
        clear.add(t, std::min(aboveLowest, clearOfMoon));
        const double turnedCos = cosH * cosStep - sinH * sinStep;
        sinH = sinH * cosStep + cosH * sinStep;
        cosH = turnedCos;
    }
    return {clear.result(), up.result()};
}

UsableTime NightGrid::moonDown() const
{
    StretchCounter down;
    for (std::size_t i = 0; i < moonHeight_.size(); ++i)
        down.add(dark_->start + static_cast<double>(i) * step_, -moonHeight_[i]);
    return down.result();
}

double separationDegrees(const Horizontal& a, const Horizontal& b)
{
    return units::degrees(eraSeps(radians(a.azimuth), radians(a.altitude), radians(b.azimuth), radians(b.altitude)));
}

} // namespace velmora::sky
