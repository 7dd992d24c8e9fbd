// A whole calculation run over five arbitrary input texts: it must not crash,
// every field it writes must hold a number in the result form, and a failed
// step must leave its own and every later field untouched.
#include "calc/calculation.h"
#include "calc/calculation_steps.h"
#include "calc/memory_fields.h"
#include "calc/number_text.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {
constexpr std::string_view kUntouched = "untouched";
constexpr const char* kInputs[] = {"Text1", "Text2", "Text3", "Text14", "Text22"};
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // The five texts, separated by line ends (which the reading rule would skip
    // anyway, so no input is lost by cutting there).
    velmora::MemoryFields fields;
    std::string_view rest(reinterpret_cast<const char*>(data), size);
    for (const char* input : kInputs) {
        const auto end = rest.find('\n');
        fields.setText(input, rest.substr(0, end));
        rest = end == std::string_view::npos ? std::string_view {} : rest.substr(end + 1);
    }
    for (const auto& step : velmora::kCalculationSteps)
        fields.setText(step.field, kUntouched);

    velmora::MessageLog messages;
    const auto outcome = velmora::runCalculation(fields, messages, ".");

    for (std::size_t i = 0; i < velmora::kCalculationSteps.size(); ++i) {
        const std::string text = fields.text(velmora::kCalculationSteps[i].field);
        if (static_cast<int>(i) >= outcome.stepsCompleted) {
            if (text != kUntouched)
                std::abort();
            continue;
        }
        const auto value = velmora::readFieldNumber(text);
        if (!value || velmora::formatResult(*value, ".") != text)
            std::abort();
    }
    if (outcome.failure.has_value() == (outcome.stepsCompleted == 23))
        std::abort();
    return 0;
}
