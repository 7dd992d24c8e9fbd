#pragma once

#include "checked_number.h"
#include "quantities.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velmora {

// The five input texts, as typed.
struct InputTexts {
    std::string_view aperture;
    std::string_view focalLength;
    std::string_view pixelSize;
    std::string_view sensorWidth;
    std::string_view sensorHeight;
};

struct Result {
    const Quantity* quantity;
    double value;
    std::string text; // by the result text rule
};

// What stopped a run: the step's quantity and why.
struct StepFailure {
    const Quantity* quantity;
    FailureCause cause;
};

// What one run produced, to be shown in this order: the empty-input messages,
// each result, then the failure notice if a step failed.
struct Outcome {
    int emptyInputMessages = 0; // 0, 1 or 2: the aperture's first
    std::vector<Result> results; // in step order, up to the failing step
    std::optional<StepFailure> failure; // empty when all 23 steps completed
};

// One press of "CALCOLA": the empty-input check of the aperture then the
// focal length, then the inputs read with the field reading rule, then the
// 23 steps in order. A step whose arithmetic fails stops the run.
Outcome calculate(const InputTexts& texts, std::string_view decimalSeparator);

// The 23 steps on inputs already read; no empty-input check.
Outcome calculate(const Inputs& inputs, std::string_view decimalSeparator);

// The same without the result texts, for callers that only want numbers;
// with `last`, the run stops once that quantity is computed.
Outcome calculateValues(const Inputs& inputs, const Quantity* last = nullptr);

// A cause in English, as the command line says it: "division by zero", ...
std::string_view englishCauseText(FailureCause cause);

} // namespace velmora
