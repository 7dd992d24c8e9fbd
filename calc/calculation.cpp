#include "calculation.h"

#include "number_text.h"

#include <array>

namespace velmora {

Outcome calculate(const InputTexts& texts, std::string_view decimalSeparator)
{
    const int emptyInputs = int(texts.aperture.empty()) + int(texts.focalLength.empty());
    const ReadNumber focalLength = readFieldNumber(texts.focalLength);
    Outcome outcome = calculate(Inputs {readFieldNumber(texts.aperture), focalLength,
                                    readFieldNumber(texts.pixelSize), readFieldNumber(texts.sensorWidth),
                                    readFieldNumber(texts.sensorHeight), focalLength},
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

Outcome calculateValues(const Inputs& inputs)
{
    Outcome outcome;
    outcome.results.reserve(kQuantities.size());
    for (const Quantity& quantity : kQuantities) {
        try {
            outcome.results.push_back({&quantity, quantity.formula(inputs).value(), {}});
        } catch (const ArithmeticFailure& failure) {
            outcome.failure = StepFailure {&quantity, failure.cause};
            break;
        }
    }
    return outcome;
}

namespace {

struct CauseTexts {
    std::string_view italian;
    std::string_view english;
};

// In the order of FailureCause.
constexpr std::array<CauseTexts, 3> kCauseTexts {{
    {"divisione per zero", "division by zero"},
    {"un valore esce dall'intervallo dei numeri rappresentabili", "a value beyond the range of a double"},
    {"logaritmo di zero o di un numero negativo", "logarithm of zero or of a negative number"},
}};

} // namespace

std::string_view causeText(FailureCause cause)
{
    return kCauseTexts.at(static_cast<std::size_t>(cause)).italian;
}

std::string_view englishCauseText(FailureCause cause)
{
    return kCauseTexts.at(static_cast<std::size_t>(cause)).english;
}

std::string failureMessage(const StepFailure& failure)
{
    std::string text = "Impossibile calcolare ";
    text.append(failure.quantity->italianName);
    text.append(": ");
    text.append(causeText(failure.cause));
    text.append(".\nIl calcolo si è fermato qui: questo risultato e i successivi non sono stati aggiornati.");
    return text;
}

} // namespace velmora
