#include "strict_number.h"

#include "input_error.h"
#include "text_file.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>

namespace velmora::formats {

namespace {

constexpr std::size_t kLongestQuote = 80;

bool readsAsNumber(std::string_view text, double& value)
{
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value, std::chars_format::general);
    return !text.empty() && error == std::errc() && stop == end && std::isfinite(value);
}

[[noreturn]] void reject(std::string_view text, std::string_view wanted)
{
    std::string reason = echoed(text) + " is not " + std::string(wanted);
    std::string withPoint(text);
    std::ranges::replace(withPoint, ',', '.');
    double value = 0;
    if (withPoint != text && readsAsNumber(withPoint, value))
        reason += " (write the decimal point as '.')";
    throw InputError(reason);
}

} // namespace

std::string echoed(std::string_view text)
{
    if (text.size() <= kLongestQuote)
        return "'" + printable(text) + "'";
    return "'" + printable(text.substr(0, kLongestQuote)) + "...' (" + std::to_string(text.size()) + " characters)";
}

double strictNumber(std::string_view text, NumberKind kind)
{
    double value = 0;
    if (!readsAsNumber(text, value))
        reject(text, "a finite decimal number");
    if (kind != NumberKind::Finite && !(value > 0))
        reject(text, "a positive number");
    if (kind == NumberKind::PositiveWhole && value != std::trunc(value))
        reject(text, "a whole number");
    return value;
}

} // namespace velmora::formats
