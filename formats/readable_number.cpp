#include "readable_number.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>

namespace velmora::formats {

namespace {

constexpr double kLargestWhole = 1e15; // whole numbers below it are given in full
constexpr double kSmallestFixed = 1e-6;

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
    // Beyond what a whole number or a few decimals say at a glance: four
    // significant digits with a power of ten ("1.235e+20", "1e-09").
    if (value != 0 && (std::fabs(value) >= kLargestWhole || std::fabs(value) < kSmallestFixed)) {
        std::array<char, 32> buffer {};
        const auto end =
            std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::scientific, 3).ptr;
        std::string text(buffer.data(), end);
        const std::size_t exponent = text.find('e');
        const std::size_t lastDigit = text.find_last_not_of('0', exponent - 1);
        const std::size_t cut = text[lastDigit] == '.' ? lastDigit : lastDigit + 1;
        text.erase(cut, exponent - cut);
        return text;
    }
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

} // namespace velmora::formats
