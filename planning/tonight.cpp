#include "tonight.h"

#include "sky/atmosphere.h"
#include "sky/moon_phase.h"
#include "units/angles.h"

namespace velmora::planning {

namespace {

double julianDayOf(const sky::UtcMoment& m)
{
    return sky::julianDay(m.year, m.month, m.day, m.hour, m.minute, m.second);
}

} // namespace

Tonight::Tonight(const sky::Observation& observation, const sky::UtcMoment& moment) :
      observation_(observation), julianDay_(julianDayOf(moment)), sun_(sky::Body::Sun, julianDay_),
      moon_(sky::Body::Moon, julianDay_),
      night_(sun_, julianDay_, observation, observation.darkness.value_or(sky::Darkness::Astronomical)),
      placesOfDate_(julianDay_), refraction_(sky::refractionFor(sky::kRefractionWavelength, observation.air())),
      moonNow_(moon_.horizontalAt(julianDay_, observation.site)), figures_ {}
{
    NightFigures& f = figures_;
    f.twilight = sky::twilightAround(sun_, julianDay_, observation.site, observation.air());
    f.darkness = observation.darkness.value_or(sky::Darkness::Astronomical);
    f.dark = f.twilight.dark(f.darkness);
    f.moonAltitude = sky::refractedAltitude(moonNow_.altitude, refraction_);
    f.moonIlluminated = sky::positionAt(sky::Body::Moon, sky::ephemerisDayOf(julianDay_)).illuminatedFraction;
    f.daysFromFullMoon = sky::daysFromFullMoon(f.twilight.midnight);
    f.moonAvoidance = observation.moonAvoidance.degreesAt(f.daysFromFullMoon);
    grid_.emplace(f.dark, observation.site, moon_, f.moonAvoidance, refraction_);
    f.moonDown = grid_->moonDown();
}

Tonight::Glance Tonight::glanceAt(const sky::DeepSkyObject& object) const
{
    const sky::BodyTrack track = placesOfDate_.track(*object.rightAscensionDeg, *object.declinationDeg);
    double transit = figures_.twilight.midnight;
    for (int i = 0; i < 2; ++i)
        transit -= track.hourAngleAt(transit, observation_.site) / units::kSiderealDegreesPerDay;
    return {hoursOf(track), transit,
        sky::refractedAltitude(track.horizontalAt(transit, observation_.site).altitude, refraction_),
        sky::separationDegrees(track.horizontalAt(julianDay_, observation_.site), moonNow_)};
}

sky::TargetNight Tonight::hoursOf(const sky::BodyTrack& track) const
{
    return grid_->measure(track.placeAt(julianDay_), observation_.horizon, observation_.minAltitude);
}

TargetTonight Tonight::target(const sky::DeepSkyObject& object, double pixelField, double radius) const
{
    const sky::BodyTrack track = placesOfDate_.track(*object.rightAscensionDeg, *object.declinationDeg);
    return {sky::viewFromSite(false, track, 0, night_, pixelField, radius),
        sky::separationDegrees(track.horizontalAt(julianDay_, observation_.site), moonNow_), hoursOf(track)};
}

} // namespace velmora::planning
