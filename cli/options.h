#pragma once

#include "calc/quantities.h"
#include "formats/equipment_file.h"
#include "optics/sampling.h"
#include "sky/bodies.h"
#include "sky/moment.h"
#include "sky/target_framing.h"

#include <optional>
#include <string>
#include <vector>

namespace velmora::cli {

enum class Format { Text, Json, Csv };
enum class Listing { Telescopes, Cameras, Lenses };

// The command line, parsed and checked: every number read, every name of a
// rule, body or result resolved. Equipment names stay names until the
// catalogues are loaded.
struct Options {
    std::optional<double> aperture; // mm
    std::optional<double> focalLength; // mm
    std::optional<double> pixelSize; // micrometres
    std::optional<double> width; // pixels, whole
    std::optional<double> height;
    std::optional<std::string> telescope;
    std::optional<std::string> camera;
    std::optional<std::string> fits;
    std::vector<std::string> catalogues;
    std::optional<std::string> lens; // a barlow or reducer from a catalogue
    double barlow = 1;
    std::optional<int> binning; // 1 to 8
    std::optional<double> seeing; // star FWHM, arcseconds
    double wavelength = 550; // nm
    const optics::SamplingRule* samplingRule = &optics::kSamplingRules[0];
    Format format = Format::Text;
    std::optional<Listing> list;
    std::optional<formats::EquipmentFormat> exportFormat; // with `output`
    std::optional<std::string> output;
    bool sweep = false;
    const Quantity* sortBy = nullptr;
    std::optional<sky::UtcMoment> date;
    const sky::BodyFacts* frame = nullptr; // --frame naming a body
    std::optional<std::string> target; // --target, or --frame naming a deep-sky object
    double overlap = 0.10; // between mosaic frames of a target
    bool suggest = false;
    sky::SuggestionFilter suggestion;
    std::optional<std::string> svg;
    std::optional<sky::Observation> observation; // --site and the air, band and mount there
};

} // namespace velmora::cli
