#include "deep_sky_options.h"

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
    double percent = 0;
    try {
        percent = formats::strictNumber(number);
    } catch (const InputError&) {
        throw InputError(formats::echoed(text) + " is not a share of a frame such as 10 or 10%");
    }
    if (!planning::isOverlapAccepted(percent / 100))
        throw InputError(planning::overlapRefusal(formats::echoed(text)));
    return percent / 100;
}

double fillOf(const std::string& text)
{
    const double fill = formats::strictNumber(text);
    if (!(fill > 0 && fill <= 1))
        throw InputError(
            formats::echoed(text) + " is outside (0, 1]: a fill is the share of the field the object spans");
    return fill;
}

double hoursOf(const std::string& text)
{
    const double hours = formats::strictNumber(text);
    if (!(hours >= 0 && hours <= 24))
        throw InputError(formats::echoed(text) + " is not from 0 to 24 hours");
    return hours;
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
        "Overlap between a target's mosaic frames, in percent (default 10)", "PERCENT");
    set.suggest =
        app.add_flag("--suggest", o.suggest, "List the deep-sky objects that fit the rig, largest fill first");
    set.filters = {
        readOption(app, "--min-fill", o.suggestion.minFill, fillOf,
            "With --suggest, the least share of the field an object spans (default 0.3)", "FILL"),
        readOption(app, "--type", o.suggestion.families, familiesOf,
            "With --suggest, only galaxy, nebula, cluster, planetary, star or other", "KIND"),
        readOption(
            app, "--max-magnitude", o.suggestion.maxMagnitude,
            [](const std::string& text) { return formats::strictNumber(text); },
            "With --suggest, only objects this bright or brighter", "MAG"),
    };
    set.minHours = readOption(app, "--min-hours", o.minHours, hoursOf,
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
