#include "calculation.h"

#include "number_text.h"

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

std::string_view causeText(FailureCause cause)
{
    switch (cause) {
    case FailureCause::DivisionByZero:
        return "divisione per zero";
    case FailureCause::Overflow:
        return "un valore esce dall'intervallo dei numeri rappresentabili";
    case FailureCause::LogarithmOfNonPositive:
        return "logaritmo di zero o di un numero negativo";
    }
    return {};
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
