#pragma once

#include "atmosphere.h"
#include "ephemeris.h"

#include <array>
#include <optional>
#include <string_view>

namespace velmora::sky {

// How dark the sky must be: the Sun's upper limb below the horizon with
// the air's refraction (sunset), or its centre below -6, -12 or -18 degrees
// without it (the ends of civil, nautical and astronomical twilight).
enum class Darkness { Sunset, Civil, Nautical, Astronomical };

struct DarknessLevel {
    Darkness darkness;
    std::string_view name; // as --twilight takes it
    double sunAltitude; // degrees: the limb's for sunset, the centre's for the others
};
extern const std::array<DarknessLevel, 4> kDarknessLevels;
const DarknessLevel& levelOf(Darkness darkness);
// By its name; nullptr when there is none.
const DarknessLevel* findDarkness(std::string_view name);

// One level's edges in a night, as Julian Days (UT): when the evening
// reaches it and when the morning leaves it. An edge is missing where the
// Sun stays below the level all that half of the night (a polar night), and
// both are missing where it never gets there (summer at high latitudes).
struct DarkEdges {
    std::optional<double> evening, morning;
    bool neverDark = false;
};

// A span of time, Julian Days (UT).
struct Span {
    double start, end;
    double days() const { return end - start; }
};

// The night nearest a moment: from the noon before the Sun's lower transit
// to the noon after, with each level's edges.
struct Twilight {
    double midnight; // the Sun's lower transit
    std::array<DarkEdges, kDarknessLevels.size()> edges; // in the order of kDarknessLevels

    const DarkEdges& at(Darkness darkness) const { return edges[static_cast<std::size_t>(darkness)]; }
    // The dark span at a level; none where it never gets that dark.
    std::optional<Span> dark(Darkness darkness) const;
};

// How far the Sun stands above a level's line: what a level compares
// against its altitude, degrees. `refraction` lifts the limb for sunset.
double sunAboveLevel(
    const BodyTrack& sun, double julianDay, const GeoSite& site, const Refraction& refraction, Darkness darkness);

Twilight twilightAround(const BodyTrack& sun, double julianDay, const GeoSite& site, const Atmosphere& air);

} // namespace velmora::sky
