#pragma once

#include "sky/deep_sky_catalogue.h"

#include <optional>
#include <string>
#include <string_view>

namespace velmora::formats {

// The index of the deep-sky catalogue, built from its files when the
// program is built, so that one object is found without reading the
// 14,000: every name the catalogue finds an object by (its own, its Messier
// number, its common names), as a designation key, with the file and the
// line of the object the catalogue's own search gives for it. The files
// stay the source: the index records their sizes and is set aside when
// they differ.
inline constexpr std::string_view kOpenNgcIndexFile = "openngc.index";

// The index of the files in `folder`; InputError where they cannot be read.
std::string openNgcIndex(const std::string& folder);

// The object `name` designates, alone in a catalogue, read through the
// index in `folder`; none where the index is missing, stale or damaged,
// does not hold the name, or the line it points at is not that object.
std::optional<sky::DeepSkyCatalogue> findThroughIndex(const std::string& folder, std::string_view name);

} // namespace velmora::formats
