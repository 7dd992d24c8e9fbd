#pragma once

#include "calculation_failure.h"
#include "fields.h"

#include <optional>
#include <string_view>

namespace velmora {

struct CalculationOutcome {
    int stepsCompleted = 0;
    std::optional<StepFailure> failure; // empty when all 23 steps completed
};

// One press of "CALCOLA": the empty-input check of Text1 then Text2, then the
// 23 steps in order, each writing its result field before the next starts.
// A step whose arithmetic fails writes nothing, stops the run and is reported
// in one stop-icon message; fields of later steps keep their text.
CalculationOutcome runCalculation(Fields& fields, Messages& messages, std::string_view decimalSeparator);

} // namespace velmora
