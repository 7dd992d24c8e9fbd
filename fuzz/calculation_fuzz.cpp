// A whole calculation run over five arbitrary input texts: it must not crash,
// every result text must be the canonical result form of its value, and the
// run must stop exactly where a step failed.
#include "calc/calculation.h"
#include "calc/number_text.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // The five texts, separated by line ends (which the reading rule would skip
    // anyway, so no input is lost by cutting there).
    std::array<std::string_view, 5> texts;
    std::string_view rest(reinterpret_cast<const char*>(data), size);
    for (std::string_view& text : texts) {
        const auto end = rest.find('\n');
        text = rest.substr(0, end);
        rest = end == std::string_view::npos ? std::string_view {} : rest.substr(end + 1);
    }
    const velmora::Outcome outcome =
        velmora::calculate(velmora::InputTexts {texts[0], texts[1], texts[2], texts[3], texts[4]}, ".");

    for (std::size_t i = 0; i < outcome.results.size(); ++i) {
        const velmora::Result& result = outcome.results[i];
        if (result.quantity != &velmora::kQuantities[i] || !std::isfinite(result.value))
            std::abort();
        const auto reread = velmora::readFieldNumber(result.text);
        if (!reread || velmora::formatResult(*reread, ".") != result.text)
            std::abort();
    }
    const bool complete = outcome.results.size() == velmora::kQuantities.size();
    if (outcome.failure.has_value() == complete)
        std::abort();
    if (outcome.failure && outcome.failure->quantity != &velmora::kQuantities[outcome.results.size()])
        std::abort();
    if (outcome.emptyInputMessages != int(texts[0].empty()) + int(texts[1].empty()))
        std::abort();
    return 0;
}
