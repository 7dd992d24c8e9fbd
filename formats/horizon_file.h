#pragma once

#include "sky/horizon_profile.h"

#include <functional>
#include <string>
#include <string_view>

namespace velmora::formats {

// A horizon file as imaging suites and planetarium programs write them:
// one "azimuth altitude" pair of degrees a line (blanks or a comma between
// them), blank lines and "#" comments left out. The points may come in any
// order. An azimuth outside 0 to 360, an altitude outside -90 to 90, a line
// that is not a pair of numbers, or points at fewer than two azimuths throws InputError
// "path:line: why". An azimuth given again is told to `warn` ("path:line:
// ..."); the last one given counts.
using Warn = std::function<void(const std::string&)>;
sky::HorizonProfile parseHorizon(std::string_view text, const std::string& path, const Warn& warn = {});

// The file at `path`, read as a regular file (see readRegularFile).
sky::HorizonProfile readHorizonFile(const std::string& path, const Warn& warn = {});

} // namespace velmora::formats
