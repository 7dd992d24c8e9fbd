#pragma once

#include "optics/equipment.h"
#include "planning/computation.h"
#include "planning/suggestions.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace velmora::cli {

using planning::ChosenTrain;
using planning::Computation;

// A moment, written in full for scripts and as month, day and time for people.
struct UtcTime {
    double julianDay; // UT
};

// A printed value; monostate when it was not computed.
using Value = std::variant<std::monostate, bool, std::int64_t, double, std::string, std::vector<double>,
    std::vector<std::int64_t>, UtcTime>;

inline Value numberOrEmpty(const std::optional<double>& number)
{
    return number ? Value(*number) : Value();
}

inline Value timeOrEmpty(const std::optional<double>& julianDay)
{
    return julianDay ? Value(UtcTime {*julianDay}) : Value();
}

// One field of a record: its id for scripts, its label and unit for people.
struct Field {
    std::string_view id;
    std::string_view label;
    std::string_view unit; // empty for a pure number or a text
    Value value;
    std::string_view text = {}; // the engine's own text of a result, owned by its outcome
    bool omitWhenEmpty = false; // left out of a JSON object when not computed
};

// Every record that is printed is described once, here, as ordered fields;
// the text, JSON and CSV writers walk these descriptions.
using Record = std::vector<Field>;

// The optical train as given and as it works, with the catalogue names.
Record trainRecord(const ChosenTrain& chosen);
// Where each figure of the train came from.
Record sourcesRecord(const ChosenTrain& chosen);
// The 23 results in step order; those not computed are empty.
Record resultsRecord(const Outcome& outcome);
// One result as scripts read it in a list: id, value, text, unit.
Record resultEntry(const Field& result);
Record samplingRecord(const optics::SamplingAdvice& advice);
// What a sweep row says of sampling.
Record samplingSummaryRecord(const std::optional<optics::SamplingAdvice>& advice);
// A body on a date and, with a site, as the site sees it.
Record bodyRecord(const sky::BodyView& body, const sky::UtcMoment& moment);
// What a site sees of anything on the sky around the moment.
Record siteViewRecord(const sky::SiteView& view);
// The site, its air and the Sun's altitude there.
Record siteRecord(const sky::Observation& observation, double sunAltitude);
// The night at the site: its twilight, its dark span and the Moon.
Record nightRecord(const planning::NightFigures& night);
// A deep-sky target as the site sees it, with its usable hours tonight.
Record targetSiteRecord(const planning::TargetTonight& tonight);
// One frame of a target's mosaic: where to point for it.
Record tileRecord(const sky::MosaicTile& tile, double cameraAngle);
// The exposure of the rig under its sky and, when known, of the target;
// `targetAsked` says a target's figures were wanted.
Record exposureRecord(const planning::ExposureFigures& exposure, bool targetAsked);
// A target's exposure figures after `into`'s, empty without them.
void appendTargetExposure(Record& into, const planning::TargetExposure* exposure);
// An object --suggest offers, with tonight's figures when a site was given
// and, `withExposure`, what it takes (empty where its brightness is unknown).
Record suggestionRecord(const planning::Suggestion& suggestion, bool withExposure);
Record telescopeRecord(const optics::Telescope& telescope);
Record cameraRecord(const optics::Camera& camera);
Record lensRecord(const optics::Lens& lens);

// A deep-sky object on the rig's field: its names and size, the margin,
// and the mosaic when it does not fit.
Record targetRecord(const sky::TargetFraming& framing);
// The same for one telescope and camera of a sweep.
Record rigFramingRecord(const std::string& telescope, const std::string& camera, const sky::TargetFraming& framing);

// A sweep row: the train, the results and, with a seeing, the verdict.
Record sweepRecord(const Computation& computation, bool withSampling);
// The same into a record kept from row to row, so that its room is reused.
void sweepRecord(const Computation& computation, bool withSampling, Record& into);

} // namespace velmora::cli
