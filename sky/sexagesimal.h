#pragma once

#include <string>

namespace velmora::sky {

// A right ascension in degrees as "HH:MM:SS.ss", and a declination as
// "+DD:MM:SS.s", the catalogue's own way of writing them.
std::string rightAscensionText(double degrees);
std::string declinationText(double degrees);

} // namespace velmora::sky
