#pragma once

#include <string>

namespace velmora::formats {

// For people: 4 significant digits, from 1,000 on a whole number, never an
// exponent ("0.5911", "12.5", "12205"); "-" for a value that is not finite.
std::string readableNumber(double value);

} // namespace velmora::formats
