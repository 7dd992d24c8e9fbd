#pragma once

#include "sky/deep_sky_catalogue.h"

#include <string>
#include <string_view>

namespace velmora::formats {

// The files of the deep-sky catalogue, in the order they are read.
inline constexpr std::string_view kOpenNgcFiles[] = {"NGC.csv", "addendum.csv"};

// Adds the objects of one OpenNGC file: semicolon-separated, a header
// naming the columns, RA "HH:MM:SS.ss" and Dec "+DD:MM:SS.s" (J2000), axes
// in arcminutes. `path` names the file in errors. A damaged line throws
// InputError "path:line: why".
void addOpenNgc(sky::DeepSkyCatalogue& catalogue, std::string_view text, const std::string& path);

// The catalogue the program ships, from the folder that holds its files.
sky::DeepSkyCatalogue loadOpenNgc(const std::string& folder);

} // namespace velmora::formats
