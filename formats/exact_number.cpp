#include "exact_number.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>

namespace velmora::formats {

std::string exactNumber(double value)
{
    std::string text;
    appendExactNumber(text, value);
    return text;
}

void appendExactNumber(std::string& text, double value)
{
    std::array<char, 32> buffer {};
    // Whole numbers, most of a catalogue's figures, are written as integers:
    // the same text, several times faster than the shortest-form search.
    constexpr double kExactIntegers = 9007199254740992.0; // 2^53
    const bool whole = std::fabs(value) < kExactIntegers && value == std::trunc(value) && !std::signbit(value);
    const auto end = whole
        ? std::to_chars(buffer.data(), buffer.data() + buffer.size(), static_cast<std::int64_t>(value)).ptr
        : std::to_chars(buffer.data(), buffer.data() + buffer.size(), value).ptr;
    text.append(buffer.data(), end);
}

} // namespace velmora::formats
