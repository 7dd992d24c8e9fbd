#pragma once

#include "sky/deep_sky.h"
#include "sky/site_view.h"
#include "sky/usable_time.h"

#include <optional>

namespace velmora::planning {

// The night at a site around a moment: its twilight, the darkness deep-sky
// targets are measured in, and the Moon.
struct NightFigures {
    sky::Twilight twilight;
    sky::Darkness darkness; // what dark means for deep sky tonight
    std::optional<sky::Span> dark; // none where it never gets that dark
    double moonAltitude; // degrees, refracted, at the moment
    double moonIlluminated; // 0 to 1, at the moment
    double daysFromFullMoon; // at the night's middle, for the whole night
    double moonAvoidance; // degrees, the rule's distance tonight
    sky::UsableTime moonDown; // of the dark hours, those with the Moon below the horizon
};

// A deep-sky object from the site: the figures the bodies get, how far the
// Moon stands from it at the moment, and the hours the night gives it.
struct TargetTonight {
    sky::SiteView view;
    double moonSeparation; // degrees
    sky::TargetNight hours;
};

// The night worked out once for any number of targets.
class Tonight {
public:
    Tonight(const sky::Observation& observation, const sky::UtcMoment& moment);
    Tonight(const Tonight&) = delete;
    Tonight& operator=(const Tonight&) = delete;

    const NightFigures& figures() const { return figures_; }
    // What a ranking shows of an object: its usable hours, its upper transit
    // nearest the night's middle with its refracted altitude there, and how
    // far the Moon stands from it at the moment.
    struct Glance {
        sky::TargetNight hours;
        double transit; // Julian Day (UT)
        double transitAltitude; // degrees
        double moonSeparation; // degrees
    };
    Glance glanceAt(const sky::DeepSkyObject& object) const;
    // Everything about one object; `pixelField` (arcseconds) and `radius`
    // (the sensor's half diagonal, pixels) give the figures in pixels.
    TargetTonight target(const sky::DeepSkyObject& object, double pixelField, double radius) const;

private:
    const sky::Observation& observation_;
    double julianDay_;
    sky::BodyTrack sun_;
    sky::BodyTrack moon_;
    sky::Night night_;
    sky::PlacesOfDate placesOfDate_;
    sky::Refraction refraction_;
    sky::Horizontal moonNow_;
    // The usable hours of an object standing still on the sky.
    sky::TargetNight hoursOf(const sky::BodyTrack& track) const;
    NightFigures figures_;
    std::optional<sky::NightGrid> grid_;
};

} // namespace velmora::planning
