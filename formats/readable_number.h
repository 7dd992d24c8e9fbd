#pragma once

#include <string>

namespace velmora::formats {

// For people: 4 significant digits, from 1,000 to 1e15 a whole number
// ("0.5911", "12.5", "12205"), beyond that and below 1e-6 with an exponent
// ("1.235e+20", "1e-09"); "-" for a value that is not finite.
std::string readableNumber(double value);

} // namespace velmora::formats
