#include "command_line.h"

#include "app/app_identity.h"
#include "date_text.h"
#include "deep_sky_options.h"
#include "exposure_options.h"
#include "figure_option.h"
#include "formats/input_error.h"
#include "formats/openngc.h"
#include "formats/openngc_index.h"
#include "formats/shipped_data.h"
#include "formats/strict_number.h"
#include "formats/text_file.h"
#include "help_text.h"
#include "optics/name_match.h"
#include "read_option.h"
#include "site_options.h"
#include "usage_error.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <array>
#include <cctype>
#include <filesystem>
#include <ostream>
#include <string>

namespace velmora::cli {

namespace {

using planning::FigureId;

const CLI::Validator kNotEmpty(
    [](std::string& text) {
        return text.empty() ? std::string("an empty value; give one or leave the option out") : "";
    },
    "", "not empty");

std::string joined(const std::vector<std::string>& names)
{
    std::string text;
    for (const std::string& name : names)
        text += (text.empty() ? "" : ", ") + name;
    return text;
}

std::string lowerCase(std::string text)
{
    std::ranges::transform(text, text.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

// One of `names`, in any case, turned into the name as written there; a
// refusal lists them all and the closest.
CLI::Validator oneOf(std::vector<std::string> names)
{
    return CLI::Validator(
        [names](std::string& text) -> std::string {
            for (const std::string& name : names) {
                if (lowerCase(name) == lowerCase(text)) {
                    text = name;
                    return {};
                }
            }
            return formats::echoed(text) + " is not one of " + joined(names) +
                formats::didYouMean(optics::closestNames(text, names, 1));
        },
        "", "one of");
}

// A choice among names, resolved to what it names by `find`.
template <typename Target, typename Find>
CLI::Option* choiceOption(CLI::App& app, const std::string& name, Target& target, std::vector<std::string> names,
    Find find, const std::string& help, const char* what)
{
    return app
        .add_option_function<std::string>(
            name, [&target, find](const std::string& text) { target = find(text); }, help)
        ->check(oneOf(std::move(names)))
        ->type_name(what);
}

std::vector<std::string> optionNames(const CLI::App& app)
{
    std::vector<std::string> names;
    for (const CLI::Option* option : app.get_options()) {
        for (const std::string& name : option->get_lnames())
            names.push_back("--" + name);
    }
    return names;
}

// CLI11's own wording for an unexpected argument, said the way people expect.
std::string unexpected(const CLI::App& app, const std::vector<std::string>& extras)
{
    if (extras.empty())
        return "unexpected arguments; see --help";
    const std::string& first = extras.front();
    if (!first.starts_with("-"))
        return "unexpected argument " + formats::echoed(first) + "; see --help";
    const std::string name = first.substr(0, first.find('='));
    return "unknown option " + formats::echoed(name) +
        formats::didYouMean(optics::closestNames(name, optionNames(app), 1)) + "; see --help";
}

template <typename Item, std::size_t N, typename Name>
std::vector<std::string> namesOf(const std::array<Item, N>& items, Name name)
{
    std::vector<std::string> names;
    for (const Item& item : items)
        names.emplace_back(std::invoke(name, item));
    return names;
}

// The options whose combinations are checked once they are parsed.
struct OptionSets {
    DeepSkyOptionSet deepSky;
    ExposureOptionSet exposure;
    CLI::Option* site;
};

OptionSets describeOptions(
    CLI::App& app, Options& o, sky::Observation& siteOptions, planning::ExposureRequest& exposureOptions)
{
    app.option_defaults()->multi_option_policy(CLI::MultiOptionPolicy::TakeLast); // the last one counts

    const std::vector<CLI::Option*> equipment = {
        figureOption(app, FigureId::Aperture, o.aperture, "Telescope aperture", "MM"),
        figureOption(app, FigureId::FocalLength, o.focalLength, "Telescope focal length", "MM"),
        figureOption(app, FigureId::PixelSize, o.pixelSize, "Camera pixel size, unbinned", "UM"),
        figureOption(app, FigureId::Width, o.width, "Sensor width, unbinned", "PX"),
        figureOption(app, FigureId::Height, o.height, "Sensor height, unbinned", "PX"),
        app.add_option("--telescope", o.telescope, "Telescope from a catalogue (see Equipment names)")
            ->check(kNotEmpty)
            ->type_name("NAME"),
        app.add_option("--camera", o.camera, "Camera from a catalogue (see Equipment names)")
            ->check(kNotEmpty)
            ->type_name("NAME"),
        app.add_option("--fits", o.fits, "Take the setup from this FITS image's header (.fz too)")
            ->check(kNotEmpty)
            ->type_name("FILE"),
    };
    app.add_option("--catalogue", o.catalogues,
           "Add the equipment of this file: CSV, an oculars INI file or OAL XML (see User catalogues); again "
           "for more")
        ->multi_option_policy(CLI::MultiOptionPolicy::TakeAll)
        ->check(kNotEmpty)
        ->type_name("FILE");
    auto* lens = app.add_option("--lens", o.lens, "Barlow or reducer from a catalogue, instead of --barlow")
                     ->check(kNotEmpty)
                     ->type_name("NAME");
    auto* barlow = figureOption(app, FigureId::Barlow, o.barlow, "Barlow factor; below 1 a reducer", "X");
    auto* binning = readOption(
        app, "--binning", o.binning,
        [](const std::string& text) { return static_cast<int>(figureReader(FigureId::Binning)(text)); },
        figureHelp(FigureId::Binning, "Binning, pixels summed along a side"), "N");
    auto* seeing = figureOption(app, FigureId::Seeing, o.seeing, "Star FWHM, for the sampling advice", "ARCSEC");
    auto* wavelength =
        figureOption(app, FigureId::Wavelength, o.wavelength, "Wavelength of the planetary sampling", "NM");
    auto* rule =
        choiceOption(app, "--sampling-rule", o.samplingRule, namesOf(optics::kSamplingRules, &optics::SamplingRule::id),
            optics::findSamplingRule, "Sampling rule: 2-3 (default) or howell", "RULE");
    choiceOption(
        app, "--format", o.format, {"text", "json", "csv"},
        [](const std::string& text) {
            return text == "json" ? Format::Json : text == "csv" ? Format::Csv : Format::Text;
        },
        "Output: text (default), json or csv", "FORMAT");
    auto* list = choiceOption(
        app, "--list", o.list, {"telescopes", "cameras", "lenses"},
        [](const std::string& text) {
            return text == "cameras" ? Listing::Cameras : text == "lenses" ? Listing::Lenses : Listing::Telescopes;
        },
        "List the telescopes, the cameras or the lenses", "WHAT");
    auto* exportFormat = choiceOption(
        app, "--export", o.exportFormat, {"csv", "oculars-ini", "oal"},
        [](const std::string& text) { return *formats::findEquipmentFormat(text); },
        "Write the built-in and loaded equipment as csv, oculars-ini or oal (with --output)", "FORMAT");
    auto* output = app.add_option("--output", o.output, "Where --export writes; replaced only once complete")
                       ->check(kNotEmpty)
                       ->type_name("FILE");
    auto* sweep = app.add_flag("--sweep", o.sweep, "Compute every telescope with every camera");
    auto* date = app.add_option_function<std::string>(
                        "--date", [&o](const std::string& text) { o.date = parseDate(text); },
                        "The Sun, the Moon and the planets on this UTC date: YYYY-MM-DD, YYYY-MM-DDTHH:MMZ or now")
                     ->check(kNotEmpty)
                     ->type_name("WHEN");
    readOption(app, "--time-zone", o.timeZone, parseTimeZone,
        "Show times on this zone's clock too: an IANA name (Europe/Rome), local for the system's, or UTC "
        "(default); JSON and CSV add a _local field with the offset beside each _utc one",
        "ZONE")
        ->check(kNotEmpty);
    auto* frame = app.add_option_function<std::string>(
                         "--frame",
                         [&o](const std::string& text) {
                             if (const sky::BodyFacts* body = sky::findBody(lowerCase(text)))
                                 o.frame = body;
                             else
                                 o.target = text;
                         },
                         "Picture this body on --date, or this deep-sky object, on the sensor (with --svg)")
                      ->check(kNotEmpty)
                      ->type_name("NAME");
    auto* svg =
        app.add_option("--svg", o.svg, "Where --frame writes its SVG picture")->check(kNotEmpty)->type_name("FILE");
    auto* sortBy = choiceOption(app, "--sort-by", o.sortBy, namesOf(kQuantities, &Quantity::id), findQuantity,
        "Sort the sweep by this result, ascending: " + joined(namesOf(kQuantities, &Quantity::id)), "ID");

    auto* site = describeSiteOptions(app, siteOptions, date, o.warnings);
    const DeepSkyOptionSet deepSky =
        describeDeepSkyOptions(app, o, {date, frame, svg, list, sweep, sortBy, seeing, exportFormat});
    const ExposureOptionSet exposure = describeExposureOptions(app, o, exposureOptions);
    for (CLI::Option* figure : exposure.figures)
        list->excludes(figure), sweep->excludes(figure), exportFormat->excludes(figure);
    exposure.rankBy->needs(deepSky.suggest);
    deepSky.suggest->excludes(exposure.surfaceBrightness);
    frame->needs(svg);
    exportFormat->needs(output);
    output->needs(exportFormat);
    lens->excludes(barlow);
    svg->needs(frame);
    sortBy->needs(sweep);
    list->excludes(sweep);
    for (CLI::Option* option : {barlow, binning, seeing, wavelength, rule, sortBy})
        list->excludes(option);
    for (CLI::Option* option : equipment)
        list->excludes(option), sweep->excludes(option), exportFormat->excludes(option);
    for (CLI::Option* option : {list, sweep, barlow, binning, seeing, lens, frame, date})
        exportFormat->excludes(option);
    list->excludes(lens), sweep->excludes(lens);
    for (CLI::Option* option : {date, frame, svg})
        list->excludes(option), sweep->excludes(option);
    return {deepSky, exposure, site};
}

// What CLI11 cannot say, as it depends on what an option's value names.
void checkCombinations(const Options& o, const DeepSkyOptionSet& deepSky)
{
    if (o.frame && !o.date)
        throw UsageError("--frame requires --date to picture " + std::string(o.frame->name));
    checkDeepSkyCombinations(o, deepSky);
}

// The options that name a file the program reads, and those that name one
// it writes: every pair is compared before anything is written.
constexpr std::array kInputOptions = {"--catalogue", "--horizon", "--read-noise-file", "--fits"};
constexpr std::array kOutputOptions = {"--svg", "--output"};

// The files read whatever the options say, and how a refusal names them.
std::vector<std::pair<std::string, std::string>> shippedInputs()
{
    std::vector<std::pair<std::string, std::string>> inputs;
    const std::filesystem::path folder = formats::shippedDataFolder() / "openngc";
    for (const std::string_view file : formats::kOpenNgcFiles)
        inputs.emplace_back("the shipped catalogue", (folder / file).string());
    inputs.emplace_back("the shipped catalogue", (folder / formats::kOpenNgcIndexFile).string());
    return inputs;
}

// An output that is also read would be lost in the writing: the same file
// under any name (a link, another path), by device and inode.
void checkOutputsAreNotInputs(const CLI::App& app)
{
    std::vector<std::pair<std::string, std::string>> inputs = shippedInputs();
    for (const char* option : kInputOptions) {
        for (const std::string& path : app.get_option(option)->results())
            inputs.emplace_back(option, path);
    }
    for (const char* option : kOutputOptions) {
        for (const std::string& output : app.get_option(option)->results()) {
            for (const auto& [from, input] : inputs) {
                std::error_code unknown;
                if (std::filesystem::equivalent(output, input, unknown))
                    throw UsageError(std::string(option) + ": " + formats::echoed(output) + " is also read, as " +
                        from + "; write the output elsewhere");
            }
        }
    }
}

} // namespace

std::variant<Options, int> parseCommandLine(int argc, const char* const* argv, std::ostream& out)
{
    Options options;
    CLI::App app(kDescription, "velmora-calc");
    app.footer(helpFooter());
    app.set_version_flag("--version", "velmora-calc " + std::string(kVersionText));
    sky::Observation site;
    planning::ExposureRequest exposure;
    const OptionSets sets = describeOptions(app, options, site, exposure);
    if (argc <= 1)
        throw UsageError(kUsageLine);
    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp&) {
        out << app.help();
        return 0;
    } catch (const CLI::CallForVersion& version) {
        out << version.what() << '\n';
        return 0;
    } catch (const CLI::ExtrasError&) {
        throw UsageError(unexpected(app, app.remaining()));
    } catch (const CLI::ParseError& error) {
        throw UsageError(error.what());
    }
    if (sets.site->count() > 0) {
        site.shortest = options.band.shortest;
        site.longest = options.band.longest;
        options.observation = std::move(site);
    }
    if (isExposureAsked(sets.exposure))
        options.exposure = std::move(exposure);
    checkCombinations(options, sets.deepSky);
    checkOutputsAreNotInputs(app);
    return options;
}

} // namespace velmora::cli
