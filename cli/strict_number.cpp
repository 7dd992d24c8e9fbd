#include "strict_number.h"

#include "usage_error.h"

#include <charconv>
#include <cmath>
#include <string>

namespace velmora::cli {

namespace {
[[noreturn]] void reject(std::string_view text, std::string_view what, std::string_view wanted)
{
    throw UsageError(std::string(what) + ": '" + std::string(text) + "' is not " + std::string(wanted));
}
} // namespace

double strictNumber(std::string_view text, std::string_view what)
{
    double value = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value, std::chars_format::general);
    if (text.empty() || error != std::errc() || stop != end || !std::isfinite(value))
        reject(text, what, "a finite decimal number");
    return value;
}

double positiveNumber(std::string_view text, std::string_view what)
{
    const double value = strictNumber(text, what);
    if (!(value > 0))
        reject(text, what, "a positive number");
    return value;
}

double positiveWholeNumber(std::string_view text, std::string_view what)
{
    const double value = positiveNumber(text, what);
    if (value != std::trunc(value))
        reject(text, what, "a whole number");
    return value;
}

} // namespace velmora::cli
