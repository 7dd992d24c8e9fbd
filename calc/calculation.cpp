#include "calculation.h"

#include "number_text.h"

#include <array>

namespace velmora {

Outcome calculate(const InputTexts& texts, std::string_view decimalSeparator)
{
    const int emptyInputs = int(texts.aperture.empty()) + int(texts.focalLength.empty());
    const ReadNumber focalLength = readFieldNumber(texts.focalLength);
    Outcome outcome =
        calculate(Inputs {readFieldNumber(texts.aperture), focalLength, readFieldNumber(texts.pixelSize),
                      readFieldNumber(texts.sensorWidth), readFieldNumber(texts.sensorHeight), focalLength},
            decimalSeparator);
    outcome.emptyInputMessages = emptyInputs;
    return outcome;
}

Outcome calculate(const Inputs& inputs, std::string_view decimalSeparator)
{
    Outcome outcome = calculateValues(inputs);
    for (Result& result : outcome.results)
        result.text = formatResult(result.value, decimalSeparator);
    return outcome;
}

Outcome calculateValues(const Inputs& inputs, const Quantity* last)
{
    Outcome outcome;
    outcome.results.reserve(kQuantities.size());
    for (const Quantity& quantity : kQuantities) {
        try {
            outcome.results.push_back({&quantity, quantity.formula(inputs).value(), {}});
            if (&quantity == last)
                break;
        } catch (const ArithmeticFailure& failure) {
            outcome.failure = StepFailure {&quantity, failure.cause};
            break;
        }
    }
    return outcome;
}

namespace {
// In the order of FailureCause.
constexpr std::array<std::string_view, 3> kEnglishCauseTexts {
    "division by zero",
    "a value beyond the range of a double",
    "logarithm of zero or of a negative number",
};
} // namespace

std::string_view englishCauseText(FailureCause cause)
{
    return kEnglishCauseTexts.at(static_cast<std::size_t>(cause));
}

} // namespace velmora
