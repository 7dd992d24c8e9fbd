#include "figures.h"

#include "rules.h"

namespace velmora::planning {

namespace {

using optics::PlausibleRange;
using F = FigureId;

constexpr PlausibleRange kPositive {0, kUnbounded, true};
constexpr PlausibleRange kWavelengths {300, 2000};

} // namespace

// The rig's figures have no upper end: the engine reports the sums that
// overflow. Its fields stop at the largest telescopes and sensors made.
// clang-format off
constexpr std::array<Figure, 32> kFigures {{
    {F::Aperture,          "--aperture",           "spnApertura",        "mm",     kPositive,                 {},     0, false, 10'000},
    {F::FocalLength,       "--focal-length",       "spnFocale",          "mm",     kPositive,                 {},     0, false, 100'000},
    {F::PixelSize,         "--pixel-size",         "spnPixel",           "µm",     kPositive,                 {},     2, false, 100},
    {F::Width,             "--width",              "spnLarghezza",       "px",     kPositive,                 {},     0, true,  100'000},
    {F::Height,            "--height",             "spnAltezza",         "px",     kPositive,                 {},     0, true,  100'000},
    {F::Barlow,            "--barlow",             "spnBarlow",          "×",      kPositive,                 1,      2, false, 10},
    {F::Binning,           "--binning",            "spnBinning",         "",       {1, 8},                    1,      0, true},
    {F::Seeing,            "--seeing",             "",                   "″",      kPositive,                 {},     1, false, 60},
    {F::Wavelength,        "--wavelength",         "",                   "nm",     kPositive,                 550,    0, false, 2000},
    {F::Overlap,           "--overlap",            "spnSovrapposizione", "%",      {0, kOverlapBelow * 100, false, true}, 10, 0},
    {F::Latitude,          "",                     "spnLatitudine",      "°",      {-90, 90},                 {},     4},
    {F::Longitude,         "",                     "spnLongitudine",     "°",      {-180, 180},               {},     4},
    {F::Elevation,         "",                     "spnQuota",           "m",      {-500, 9000},              0,      0},
    {F::MinAltitude,       "--min-altitude",       "spnAltezzaMinima",   "°",      {0, 90},                   30,     0},
    {F::Pressure,          "--pressure",           "",                   "hPa",    {100, 1100},               {},     0},
    {F::Temperature,       "--temperature",        "",                   "°C",     {-80, 60},                 10,     0},
    {F::Humidity,          "--humidity",           "",                   "%",      {0, 100},                  50,     0},
    {F::MinFill,           "--min-fill",           "spnRiempimento",     "",       {0, 1, true},              0.3,    2},
    {F::MaxMagnitude,      "--max-magnitude",      "spnMagnitudine",     "mag",    {-30, 30},                 {},     1},
    {F::MinHours,          "--min-hours",          "spnOre",             "h",      {0, 24},                   0,      1},
    {F::Sqm,               "--sqm",                "spnSqm",             "mag/″²", optics::kSkyBrightnessRange, kAssumedSqm, 2},
    {F::ReadNoise,         "--read-noise",         "spnRumore",          "e⁻",     optics::kReadNoiseRange,   {},     2},
    {F::Gain,              "--gain",               "spnGuadagno",        "",       optics::kGainRange,        {},     0},
    {F::QuantumEfficiency, "--qe",                 "spnEfficienza",      "",       optics::kShareRange,       0.6,    2},
    {F::Transmission,      "--transmission",       "",                   "",       optics::kShareRange,       0.9,    2},
    {F::Obstruction,       "--obstruction",        "",                   "mm",     optics::kObstructionRange, {},     2},
    {F::FullWell,          "--full-well",          "",                   "e⁻",     optics::kFullWellRange,    {},     0},
    {F::DarkCurrent,       "--dark-current",       "",                   "e⁻/s",   optics::kDarkCurrentRange, 0,      3},
    {F::Snr,               "--snr",                "spnSegnaleRumore",   "",       optics::kSnrRange,         10,     0},
    {F::SurfaceBrightness, "--surface-brightness", "",                   "mag/″²", optics::kSurfaceBrightnessRange, {}, 2},
    {F::BandShortest,      "",                     "spnBandaDa",         "nm",     kWavelengths,              400,    0},
    {F::BandLongest,       "",                     "spnBandaA",          "nm",     kWavelengths,              700,    0},
}};
// clang-format on

// figure() looks a figure up by its place.
static_assert([] {
    for (std::size_t i = 0; i < kFigures.size(); ++i) {
        if (static_cast<std::size_t>(kFigures[i].id) != i)
            return false;
    }
    return true;
}());

const Figure& figure(FigureId id)
{
    return kFigures[static_cast<std::size_t>(id)];
}

} // namespace velmora::planning
