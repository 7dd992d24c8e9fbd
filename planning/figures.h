#pragma once

#include "optics/plausible_range.h"

#include <array>
#include <limits>
#include <optional>
#include <string_view>

namespace velmora::planning {

// Every figure a request can hold.
enum class FigureId {
    Aperture,
    FocalLength,
    PixelSize,
    Width,
    Height,
    Barlow,
    Binning,
    Seeing,
    Wavelength,
    Overlap,
    Latitude,
    Longitude,
    Elevation,
    MinAltitude,
    Pressure,
    Temperature,
    Humidity,
    MinFill,
    MaxMagnitude,
    MinHours,
    Sqm,
    ReadNoise,
    Gain,
    QuantumEfficiency,
    Transmission,
    Obstruction,
    FullWell,
    DarkCurrent,
    Snr,
    SurfaceBrightness,
    BandShortest,
    BandLongest,
};

// A figure once for both front ends: its unit, its default, the values it
// may take, and what each front end calls it. A value outside `bounds` is
// refused by both; the planner's field for it spans `bounds`, up to
// `fieldHighest` where the figure itself has no upper end.
struct Figure {
    FigureId id;
    std::string_view option; // the command line's ("--aperture"); empty for none
    std::string_view field; // the planner's field ("spnApertura"); empty for none
    std::string_view unit; // as people write it: "mm", "µm", "°"; empty for a pure number
    optics::PlausibleRange bounds;
    std::optional<double> byDefault; // none: the figure is given or left out
    int decimals = 0; // those the planner shows
    bool whole = false;
    double fieldHighest = std::numeric_limits<double>::infinity();

    // The highest value a field offers.
    double fieldMaximum() const { return bounds.highest < fieldHighest ? bounds.highest : fieldHighest; }
};

inline constexpr double kUnbounded = std::numeric_limits<double>::infinity();

// The table, in the order of FigureId.
extern const std::array<Figure, 32> kFigures;

const Figure& figure(FigureId id);

} // namespace velmora::planning
