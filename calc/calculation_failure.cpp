#include "calculation_failure.h"

namespace velmora {

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
    text.append(failure.quantity);
    text.append(": ");
    text.append(causeText(failure.cause));
    text.append(".\nIl calcolo si è fermato qui: questo risultato e i successivi non sono stati aggiornati.");
    return text;
}

} // namespace velmora
