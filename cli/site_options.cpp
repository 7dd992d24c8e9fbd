#include "site_options.h"

#include "figure_option.h"
#include "formats/exact_number.h"
#include "formats/horizon_file.h"
#include "formats/input_error.h"
#include "formats/readable_number.h"
#include "formats/strict_number.h"
#include "read_option.h"
#include "value_readers.h"

#include <string>
#include <vector>

namespace velmora::cli {

using planning::FigureId;

namespace {

sky::GeoSite siteOf(const std::string& text)
{
    const std::vector<double> numbers = numbersOf(text, ',');
    if (numbers.size() < 2 || numbers.size() > 3)
        throw formats::InputError(formats::echoed(text) + " is not LAT,LON or LAT,LON,ELEV");
    const sky::GeoSite site {numbers[0], numbers[1], numbers.size() == 3 ? numbers[2] : 0};
    requireWithin(site.latitude, FigureId::Latitude);
    requireWithin(site.longitude, FigureId::Longitude);
    requireWithin(site.elevation, FigureId::Elevation);
    return site;
}

sky::MoonAvoidance moonAvoidanceOf(const std::string& text)
{
    const std::vector<double> numbers = numbersOf(text, ',');
    if (numbers.size() != 2)
        throw formats::InputError(formats::echoed(text) + " is not DISTANCE,WIDTH");
    requireWithin(numbers[0], 0, 180, "the distance (deg)");
    if (!(numbers[1] > 0 && numbers[1] <= 30))
        throw formats::InputError(
            "the width " + formats::exactNumber(numbers[1]) + " is not above 0 and up to 30 days");
    return {numbers[0], numbers[1]};
}

sky::Darkness darknessOf(const std::string& text)
{
    const sky::DarknessLevel* level = sky::findDarkness(text);
    if (!level) {
        std::string names;
        for (const sky::DarknessLevel& each : sky::kDarknessLevels)
            names += (names.empty() ? "" : ", ") + std::string(each.name);
        throw formats::InputError(formats::echoed(text) + " is not one of " + names);
    }
    return level->darkness;
}

} // namespace

CLI::Option* describeSiteOptions(
    CLI::App& app, sky::Observation& o, CLI::Option* date, std::vector<std::string>& warnings)
{
    auto* site = readOption(app, "--site", o.site, siteOf,
        "Your site: latitude and longitude in degrees (east positive), elevation in metres (default 0); with "
        "--date",
        "LAT,LON[,ELEV]");
    site->needs(date);
    const std::vector<CLI::Option*> conditions = {
        figureOption(app, FigureId::Pressure, o.pressure,
            "Air pressure at the site, the standard atmosphere's at its elevation unless given", "HPA"),
        figureOption(app, FigureId::Temperature, o.temperature, "Air temperature at the site", "C"),
        figureOption(app, FigureId::Humidity, o.humidity, "Relative humidity at the site", "PERCENT"),
        figureOption(app, FigureId::MinAltitude, o.minAltitude,
            "The lowest altitude worth imaging, for the night's window", "DEG"),
        readOption(
            app, "--mount", o.altAzMount,
            [](const std::string& text) {
                if (text != "eq" && text != "altaz")
                    throw formats::InputError(formats::echoed(text) + " is not one of eq, altaz");
                return text == "altaz";
            },
            "Mount: eq (default) or altaz, whose field turns", "MOUNT"),
        readOption(app, "--twilight", o.darkness, darknessOf,
            "What dark means for the night's window: sunset, civil, nautical or astronomical (default: sunset for "
            "the Sun, the Moon and the planets, astronomical for deep sky)",
            "LEVEL"),
        readOption(app, "--moon-avoidance", o.moonAvoidance, moonAvoidanceOf,
            "Avoid a target while the Moon is up and within DISTANCE / (1 + (d / WIDTH)^2) degrees of it, d days "
            "from the full Moon (default 15,6)",
            "DISTANCE,WIDTH"),
        app.add_option_function<std::string>(
               "--horizon",
               [&o, &warnings](const std::string& path) {
                   o.horizon = formats::readHorizonFile(
                       path, [&warnings](const std::string& warning) { warnings.push_back(warning); });
               },
               "Your horizon: a file of \"azimuth altitude\" lines in degrees, # comments; a target counts as up "
               "above it and --min-altitude")
            ->check(checkedBy([](const std::string& path) { formats::readHorizonFile(path); }))
            ->type_name("FILE"),
    };
    for (CLI::Option* condition : conditions)
        condition->needs(site);
    return site;
}

} // namespace velmora::cli
