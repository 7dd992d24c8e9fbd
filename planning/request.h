#pragma once

#include "calc/quantities.h"
#include "exposure_request.h"
#include "optics/sampling.h"
#include "sky/bodies.h"
#include "sky/moment.h"
#include "sky/target_framing.h"

#include <optional>
#include <string>
#include <vector>

namespace velmora::planning {

// What a front end asks, read and checked: every number read, every name of
// a rule, body or result resolved. Equipment names stay names until the
// catalogues are loaded.
// The order of the suggestions; none for the usual one: the most usable
// hours tonight from a site on a date, else the largest fill.
enum class SuggestionRank { Fill, UsableHours, HoursNeeded };

struct Request {
    std::optional<double> aperture; // mm
    std::optional<double> focalLength; // mm
    std::optional<double> pixelSize; // micrometres
    std::optional<double> width; // pixels, whole
    std::optional<double> height;
    std::optional<std::string> telescope;
    std::optional<std::string> camera;
    std::optional<std::string> fits; // an image whose header describes the rig
    std::vector<std::string> catalogues; // user catalogues, in the order they apply
    std::optional<std::string> lens; // a barlow or reducer from a catalogue
    double barlow = 1;
    std::optional<int> binning; // 1 to 8
    std::optional<double> seeing; // star FWHM, arcseconds
    double wavelength = 550; // nm
    const optics::SamplingRule* samplingRule = &optics::kSamplingRules[0];
    bool sweep = false; // every telescope with every camera
    const Quantity* sortBy = nullptr; // the sweep's order
    std::optional<sky::UtcMoment> date;
    const sky::BodyFacts* frame = nullptr; // a body to place on the sensor
    std::optional<std::string> target; // a deep-sky object to frame
    double overlap = 0.10; // between mosaic frames of a target
    bool suggest = false;
    sky::SuggestionFilter suggestion;
    double minHours = 0; // the least usable hours a suggestion needs tonight
    std::optional<SuggestionRank> rankBy;
    std::optional<sky::Observation> observation; // the site, its air, band and mount
    FilterBand band; // the filter's, for the exposure and the dispersion
    std::optional<ExposureRequest> exposure; // with any figure of the exposure
};

} // namespace velmora::planning
