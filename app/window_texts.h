#pragma once

#include "calc/calculation.h"

#include <string>
#include <string_view>

namespace velmora {

// The window's own words about a calculation run, in Italian.

// Shown once for each of the aperture and focal-length texts that is exactly empty.
inline constexpr std::string_view kEmptyInputMessage =
    "Il programma và in errore, la prossima volta inserisci sempre un valore sui (Parametri da inserire).";

// The cause of a failed step: "divisione per zero", ...
std::string_view causeText(FailureCause cause);

// The stop-icon notice shown when a step fails, naming the quantity and the cause.
std::string failureMessage(const StepFailure& failure);

} // namespace velmora
