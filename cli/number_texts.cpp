#include "number_texts.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>

namespace velmora::cli {

namespace {

std::string fixed(double value, int decimals)
{
    std::array<char, 400> buffer {}; // the largest double has 309 digits
    const auto end =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::fixed, decimals).ptr;
    return std::string(buffer.data(), end);
}

} // namespace

std::string readableNumber(double value)
{
    if (!std::isfinite(value))
        return "-";
    if (std::fabs(value) >= 999.95 || value == 0)
        return fixed(std::round(value) + 0.0, 0); // + 0.0 turns -0 into 0
    // Four significant digits, then the zeros after the last one dropped.
    const int decimals = 3 - static_cast<int>(std::floor(std::log10(std::fabs(value))));
    std::string text = fixed(value, decimals);
    if (text.find('.') != std::string::npos) {
        text.erase(text.find_last_not_of('0') + 1);
        if (text.ends_with('.'))
            text.pop_back();
    }
    return text == "-0" ? "0" : text;
}

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

} // namespace velmora::cli
