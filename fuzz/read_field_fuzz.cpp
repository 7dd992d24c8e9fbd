// The field reading rule on any text, its round trip through the result and
// input text rules, and the result text against printf's %.15G, the classic
// form of that rule: the same digits, "E", two exponent digits at least;
// only zero differs.
#include "calc/number_text.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto value = velmora::readFieldNumber(text);
    if (!value)
        return 0;
    if (!std::isfinite(*value))
        std::abort(); // beyond the range must be reported, never returned

    // A result text reads back as the value rounded to 15 digits, and that
    // value writes the same text again.
    const std::string shown = velmora::formatResult(*value, ".");
    char reference[40];
    std::snprintf(reference, sizeof reference, "%.15G", *value);
    if (shown != (*value == 0 ? "0" : reference))
        std::abort();
    const auto reread = velmora::readFieldNumber(shown);
    if (!reread || velmora::formatResult(*reread, ".") != shown)
        std::abort();

    // Whole numbers survive the input text rule exactly.
    if (std::trunc(*value) == *value && std::fabs(*value) < 9e18) {
        if (velmora::readFieldNumber(velmora::formatInput(*value)) != *value)
            std::abort();
    }
    return 0;
}
