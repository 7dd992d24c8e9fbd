#include "readable_number.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>

namespace velmora::formats {

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

} // namespace velmora::formats
