#pragma once

#include "atmosphere.h"
#include "ephemeris.h"

namespace velmora::sky {

// How far a body's upper limb, lifted by the air, stands above the horizon
// (degrees, negative below): a body is up while this is positive. The rise
// and set of the Sun, the Moon and the planets, the hours with the Moon
// down, its avoidance and the night's chart all read "up" here;
// `radiusKm` is the body's (0 for a star or a deep-sky object).
double upperLimbHeight(
    const BodyTrack& track, double julianDay, const GeoSite& site, const Refraction& refraction, double radiusKm);

// The Moon's, with its radius.
double moonLimbHeight(const BodyTrack& moon, double julianDay, const GeoSite& site, const Refraction& refraction);

} // namespace velmora::sky
