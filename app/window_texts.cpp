#include "window_texts.h"

#include <array>

namespace velmora {

namespace {
// In the order of FailureCause.
constexpr std::array<std::string_view, 3> kCauseTexts {
    "divisione per zero",
    "un valore esce dall'intervallo dei numeri rappresentabili",
    "logaritmo di zero o di un numero negativo",
};
} // namespace

std::string_view causeText(FailureCause cause)
{
    return kCauseTexts.at(static_cast<std::size_t>(cause));
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
