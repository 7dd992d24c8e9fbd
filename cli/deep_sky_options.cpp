#include "deep_sky_options.h"

#include "figure_option.h"
#include "formats/input_error.h"
#include "formats/strict_number.h"
#include "formats/text_file.h"
#include "optics/name_match.h"
#include "planning/rules.h"
#include "read_option.h"
#include "usage_error.h"

namespace velmora::cli {

namespace {

using formats::InputError;

// "10" or "10%": a share of a frame, from 0 up to but not including a half.
double overlapOf(const std::string& text)
{
    const std::string number = text.ends_with('%') ? text.substr(0, text.size() - 1) : text;
    try {
        formats::strictNumber(number);
    } catch (const InputError&) {
        throw InputError(formats::echoed(text) + " is not a share of a frame such as 10 or 10%");
    }
    return figureReader(planning::FigureId::Overlap)(number) / 100;
}

unsigned familiesOf(const std::string& text)
{
    const unsigned family = sky::findDeepSkyFamily(text);
    if (family == 0) {
        std::string words;
        for (const std::string& word : sky::deepSkyFamilyWords())
            words += (words.empty() ? "" : ", ") + word;
        throw InputError(formats::echoed(text) + " is not one of " + words);
    }
    return family;
}

} // namespace

DeepSkyOptionSet describeDeepSkyOptions(CLI::App& app, Options& o, const OtherOptions& others)
{
    DeepSkyOptionSet set;
    set.frame = others.frame;
    set.target = app.add_option("--target", o.target,
                        "A deep-sky object to frame: M31, NGC 224, IC 434, B33, Andromeda Galaxy (see Deep sky)")
                     ->check(CLI::Validator(
                         [](std::string& text) { return text.empty() ? std::string("an empty name") : std::string(); },
                         "", "a name"))
                     ->type_name("NAME");
    set.overlap = readOption(app, "--overlap", o.overlap, overlapOf,
        figureHelp(planning::FigureId::Overlap, "Overlap between a target's mosaic frames, in percent"), "PERCENT");
    set.suggest =
        app.add_flag("--suggest", o.suggest, "List the deep-sky objects that fit the rig, largest fill first");
    set.filters = {
        figureOption(app, planning::FigureId::MinFill, o.suggestion.minFill,
            "With --suggest, the least share of the field an object spans", "FILL"),
        readOption(app, "--type", o.suggestion.families, familiesOf,
            "With --suggest, only galaxy, nebula, cluster, planetary, star or other", "KIND"),
        figureOption(app, planning::FigureId::MaxMagnitude, o.suggestion.maxMagnitude,
            "With --suggest, only objects this bright or brighter", "MAG"),
    };
    set.minHours = figureOption(app, planning::FigureId::MinHours, o.minHours,
        "With --suggest, --site and --date, only objects with this many usable hours tonight", "HOURS");
    set.filters.push_back(set.minHours);
    for (CLI::Option* filter : set.filters)
        filter->needs(set.suggest);
    set.suggest->excludes(set.target);
    for (CLI::Option* other : {others.frame, others.list, others.sortBy, others.exportFormat})
        set.target->excludes(other);
    for (CLI::Option* other : {others.exportFormat, others.list, others.sweep, others.frame, others.svg, others.seeing})
        set.suggest->excludes(other);
    return set;
}

void checkDeepSkyCombinations(const Options& o, const DeepSkyOptionSet& deepSky)
{
    if (o.target && o.date && deepSky.frame->count() > 0) {
        // On a date, a name a letter away from a body's is a misspelt body.
        std::vector<std::string> bodies;
        for (const sky::BodyFacts& body : sky::kBodies)
            bodies.emplace_back(body.name);
        const std::vector<std::string> closest = optics::closestNames(*o.target, bodies, 1);
        if (!closest.empty())
            throw UsageError("--frame: no body named " + formats::echoed(*o.target) + formats::didYouMean(closest));
    }
    if (o.suggest && o.date && !o.observation)
        throw UsageError("--suggest with --date requires --site, to rank the objects by tonight's hours");
    if (deepSky.minHours->count() > 0 && !o.observation)
        throw UsageError("--min-hours requires --site and --date");
    if (deepSky.overlap->count() > 0 && !o.target)
        throw UsageError("--overlap requires --target, or --frame with a deep-sky object");
    if (o.target && o.sweep && o.seeing)
        throw UsageError("--seeing does not apply to a sweep for --target");
}

} // namespace velmora::cli
