#include "exposure_options.h"

#include "figure_option.h"
#include "formats/camera_noise_file.h"
#include "formats/input_error.h"
#include "formats/strict_number.h"
#include "read_option.h"
#include "value_readers.h"

#include <algorithm>

namespace velmora::cli {

namespace {

using formats::InputError;
using planning::FigureId;

// "5" or "5%": above 0 and below 100%.
double increaseOf(const std::string& text)
{
    const std::string number = text.ends_with('%') ? text.substr(0, text.size() - 1) : text;
    double percent = 0;
    try {
        percent = formats::strictNumber(number);
    } catch (const InputError&) {
        throw InputError(formats::echoed(text) + " is not a percentage such as 5 or 5%");
    }
    if (!(percent > 0 && percent < 100))
        throw InputError(formats::echoed(text) + " is not above 0 and below 100%");
    return percent / 100;
}

planning::SuggestionRank rankOf(const std::string& text)
{
    if (text == "fill")
        return planning::SuggestionRank::Fill;
    if (text == "usable-hours")
        return planning::SuggestionRank::UsableHours;
    if (text == "hours-needed")
        return planning::SuggestionRank::HoursNeeded;
    throw InputError(formats::echoed(text) + " is not one of fill, usable-hours, hours-needed");
}

} // namespace

ExposureOptionSet describeExposureOptions(CLI::App& app, Options& o, planning::ExposureRequest& e)
{
    readOption(
        app, "--band", o.band,
        [](const std::string& text) {
            const auto [shortest, longest] = bandOf(text);
            return planning::FilterBand {shortest, longest};
        },
        "The filter's band: the light the exposure counts and the colours the atmosphere spreads apart (default "
        "400-700, a luminance filter)",
        "NM-NM");
    ExposureOptionSet set;
    auto* readNoise =
        figureOption(app, FigureId::ReadNoise, e.readNoise, "The camera's read noise, for the sub length", "E");
    auto* readNoiseFile = readOption(app, "--read-noise-file", e.camera, formats::readCameraNoiseFile,
        "The camera's read noise by gain, its sensor type and efficiency, from an exposure calculator's camera "
        "file (XML); with --gain",
        "FILE");
    auto* gain = figureOption(app, FigureId::Gain, e.gain,
        "Where the camera file's read noise is read, between its neighbouring gains only", "GAIN");
    set.surfaceBrightness = figureOption(app, FigureId::SurfaceBrightness, e.surfaceBrightness,
        "The target's mean surface brightness, instead of its magnitude over its outline", "MAG/ARCSEC2");
    set.figures = {
        figureOption(app, FigureId::Sqm, e.sqm,
            "The sky's brightness as a sky quality meter reads it, a rural sky unless given", "MAG/ARCSEC2"),
        figureOption(app, FigureId::QuantumEfficiency, e.quantumEfficiency,
            "The sensor's quantum efficiency; the camera file's when it has one", "SHARE"),
        figureOption(app, FigureId::Transmission, e.transmission, "What the optics pass", "SHARE"),
        figureOption(app, FigureId::Obstruction, e.obstruction,
            "The central obstruction: millimetres, or below 1 a share of the aperture (default none)", "MM|SHARE"),
        readOption(app, "--noise-increase", e.noiseIncrease, increaseOf,
            "What read noise may add to the sky's noise at the shortest sub (default 5%)", "PERCENT"),
        figureOption(app, FigureId::FullWell, e.fullWell, "The full well, for the longest useful sub", "E"),
        readNoise,
        readNoiseFile,
        gain,
        figureOption(app, FigureId::DarkCurrent, e.darkCurrent, "Dark current", "E/S"),
        figureOption(app, FigureId::Snr, e.snr, "The signal-to-noise a pixel of the target should reach", "SNR"),
        set.surfaceBrightness,
        app.add_flag("--colour", e.colour, "A colour (Bayer) sensor, whose pixel sees a third of the band"),
    };
    readNoise->excludes(readNoiseFile);
    gain->needs(readNoiseFile);
    set.rankBy = readOption(app, "--rank-by", o.rankBy, rankOf,
        "With --suggest: fill, usable-hours (with --site and --date) or hours-needed (with the exposure's "
        "figures); default usable-hours from a site on a date, else fill",
        "ORDER");
    return set;
}

bool isExposureAsked(const ExposureOptionSet& set)
{
    return std::ranges::any_of(set.figures, [](const CLI::Option* option) { return option->count() > 0; });
}

} // namespace velmora::cli
