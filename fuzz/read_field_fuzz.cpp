// The field reading rule on any text, and its round trip through the result
// and input text rules.
#include "calc/number_text.h"

#include <cmath>
#include <cstdint>
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
