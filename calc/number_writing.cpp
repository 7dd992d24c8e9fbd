// The result and input text rules: numbers as the fields show them.
#include "number_text.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>

namespace velmora {

std::string formatResult(double value, std::string_view decimalSeparator)
{
    if (value == 0) // also -0, which the library writes with its sign
        return "0";
    // The general format at 15 digits is printf's %.15g: exponent form below
    // 1e-04 and from 1e+15 on, trailing zeros dropped, two exponent digits at least.
    std::array<char, 32> buffer {};
    const auto end =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::general, 15).ptr;
    std::string text;
    text.reserve(static_cast<std::size_t>(end - buffer.data()) + decimalSeparator.size());
    for (const char* c = buffer.data(); c != end; ++c) {
        if (*c == '.')
            text.append(decimalSeparator);
        else
            text.push_back(*c == 'e' ? 'E' : *c);
    }
    return text;
}

std::string formatInput(double value)
{
    constexpr double wholeLimit = 9.2e18; // within the range of a 64-bit integer
    if (std::trunc(value) == value && std::fabs(value) < wholeLimit) {
        std::array<char, 24> buffer {};
        const auto end =
            std::to_chars(buffer.data(), buffer.data() + buffer.size(), static_cast<std::int64_t>(value)).ptr;
        return std::string(buffer.data(), end);
    }
    return formatResult(value, ".");
}

} // namespace velmora
