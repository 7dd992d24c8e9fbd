#pragma once

#include <string_view>

namespace velmora::cli {

// The whole of `text` as a finite decimal number ("5.6", "1e3", "-2");
// anything else throws UsageError naming `what` (an option or a column) and
// the text.
double strictNumber(std::string_view text, std::string_view what);

// The same, and it must be above zero.
double positiveNumber(std::string_view text, std::string_view what);

// The same, and it must be a whole number of at least 1.
double positiveWholeNumber(std::string_view text, std::string_view what);

} // namespace velmora::cli
