#include "exposure_options.h"

#include "formats/camera_noise_file.h"
#include "formats/input_error.h"
#include "formats/strict_number.h"
#include "read_option.h"
#include "value_readers.h"

#include <algorithm>

namespace velmora::cli {

namespace {

using formats::InputError;

// A figure within its plausible range, the range said in its help.
template <typename Target>
CLI::Option* rangeOption(CLI::App& app, const std::string& name, Target& target, const optics::PlausibleRange& range,
    const std::string& help, const char* unit)
{
    const std::string said = help.ends_with(')') ? help.substr(0, help.size() - 1) + "; " + range.span() + ")"
                                                 : help + " (" + range.span() + ")";
    return readOption(app, name, target, numberWithin(range), said, unit);
}

// The range of shares, naming the share.
optics::PlausibleRange share(const char* what)
{
    optics::PlausibleRange range = optics::kShareRange;
    range.what = what;
    return range;
}

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
    auto* readNoise = rangeOption(
        app, "--read-noise", e.readNoise, optics::kReadNoiseRange, "The camera's read noise, for the sub length", "E");
    auto* readNoiseFile = readOption(app, "--read-noise-file", e.camera, formats::readCameraNoiseFile,
        "The camera's read noise by gain, its sensor type and efficiency, from an exposure calculator's camera "
        "file (XML); with --gain",
        "FILE");
    auto* gain = rangeOption(app, "--gain", e.gain, optics::kGainRange,
        "Where the camera file's read noise is read, between its neighbouring gains only", "GAIN");
    set.surfaceBrightness =
        rangeOption(app, "--surface-brightness", e.surfaceBrightness, optics::kSurfaceBrightnessRange,
            "The target's mean surface brightness, instead of its magnitude over its outline", "MAG/ARCSEC2");
    set.figures = {
        rangeOption(app, "--sqm", e.sqm, optics::kSkyBrightnessRange,
            "The sky's brightness as a sky quality meter reads it (default 21, a rural sky)", "MAG/ARCSEC2"),
        rangeOption(app, "--qe", e.quantumEfficiency, share("the quantum efficiency"),
            "The sensor's quantum efficiency (default: the camera file's, else 0.6)", "SHARE"),
        rangeOption(app, "--transmission", e.transmission, share("the transmission"),
            "What the optics pass (default 0.9)", "SHARE"),
        rangeOption(app, "--obstruction", e.obstruction, optics::kObstructionRange,
            "The central obstruction: millimetres, or below 1 a share of the aperture (default none)", "MM|SHARE"),
        readOption(app, "--noise-increase", e.noiseIncrease, increaseOf,
            "What read noise may add to the sky's noise at the shortest sub (default 5%)", "PERCENT"),
        rangeOption(
            app, "--full-well", e.fullWell, optics::kFullWellRange, "The full well, for the longest useful sub", "E"),
        readNoise,
        readNoiseFile,
        gain,
        rangeOption(app, "--dark-current", e.darkCurrent, optics::kDarkCurrentRange, "Dark current (default 0)", "E/S"),
        rangeOption(app, "--snr", e.snr, optics::kSnrRange,
            "The signal-to-noise a pixel of the target should reach (default 10)", "SNR"),
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
