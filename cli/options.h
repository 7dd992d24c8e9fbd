#pragma once

#include "formats/equipment_file.h"
#include "planning/request.h"
#include "sky/time_zone.h"

#include <optional>
#include <string>
#include <vector>

namespace velmora::cli {

enum class Format { Text, Json, Csv };

// How an answer is written: its format and the zone whose wall clock its
// moments are read on besides UTC; none for UTC alone.
struct Style {
    Format format = Format::Text;
    const sky::TimeZone* zone = nullptr;
};
enum class Listing { Telescopes, Cameras, Lenses };

// The command line, parsed and checked: the request, and how and where to
// give its answer.
struct Options : planning::Request {
    Format format = Format::Text;
    std::optional<Listing> list;
    std::optional<formats::EquipmentFormat> exportFormat; // with `output`
    std::optional<std::string> output;
    std::optional<std::string> svg;
    std::vector<std::string> warnings; // found in reading the options, said before the answer
    std::optional<sky::TimeZone> timeZone; // --time-zone, when not UTC

    Style style() const { return {format, timeZone ? &*timeZone : nullptr}; }
};

} // namespace velmora::cli
