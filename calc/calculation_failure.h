#pragma once

#include "checked_number.h"

#include <string>
#include <string_view>

namespace velmora {

// Every message the calculation run can show, in one place.

// Shown once for each of Text1 and Text2 that is exactly empty.
inline constexpr std::string_view kEmptyInputMessage =
    "Il programma và in errore, la prossima volta inserisci sempre un valore sui (Parametri da inserire).";

// What stopped a run: the step's field, the quantity it computes and why.
struct StepFailure {
    std::string_view field;
    std::string_view quantity;
    FailureCause cause;
};

// The Italian text of a cause: "divisione per zero", ...
std::string_view causeText(FailureCause cause);

// The notice shown when a step fails, naming the quantity and the cause.
std::string failureMessage(const StepFailure& failure);

} // namespace velmora
