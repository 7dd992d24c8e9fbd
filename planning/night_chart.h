#pragma once

#include "sky/bodies.h"
#include "sky/deep_sky.h"
#include "sky/moment.h"
#include "sky/site_view.h"
#include "sky/twilight.h"

#include <optional>
#include <vector>

namespace velmora::planning {

// One moment of the night as a chart plots it: degrees, refracted.
struct ChartSample {
    double julianDay; // UT
    double altitude; // the object's or the body's; below 0 while it is down
    double moonAltitude; // its upper limb's: above 0 while the Moon is up
    double horizon; // the site's horizon under the object: its profile, at least 0
};

// The night around a moment at a site, as an altitude chart draws it: from
// sunset to sunrise (the day round the Sun's lower transit where it never
// sets or never rises), the twilight's edges, the object's and the Moon's
// altitudes every few minutes, the lowest altitude worth imaging and the
// moment asked about.
struct NightChart {
    double start; // Julian Days, UT
    double end;
    sky::Twilight twilight;
    std::vector<ChartSample> samples; // in time order, the first at the start and the last at the end
    double minAltitude;
    double moment;
};

// The chart of the night for `object` (which needs a place), or for the
// Moon alone without one: then each sample's altitude is the Moon's.
NightChart nightChart(
    const sky::Observation& observation, const sky::UtcMoment& moment, const sky::DeepSkyObject* object);
// The same for the Sun, the Moon or a planet: its upper limb's altitude,
// the height by which it counts as up.
NightChart nightChart(const sky::Observation& observation, const sky::UtcMoment& moment, const sky::BodyFacts& body);

} // namespace velmora::planning
