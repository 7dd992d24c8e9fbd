#include "calculation.h"

#include "app_identity.h"
#include "calculation_steps.h"
#include "number_text.h"

namespace velmora {

CalculationOutcome runCalculation(Fields& fields, Messages& messages, std::string_view decimalSeparator)
{
    for (const std::string_view required : {"Text1", "Text2"}) {
        if (fields.text(required).empty())
            messages.show(kEmptyInputMessage, kAppTitle, MessageIcon::None);
    }

    CalculationOutcome outcome;
    const Inputs inputs(fields);
    ResultBuffer text;
    for (const CalculationStep& step : kCalculationSteps) {
        try {
            const Checked value = step.formula(inputs);
            fields.setText(step.field, formatResult(value.value(), decimalSeparator, text));
            ++outcome.stepsCompleted;
        } catch (const ArithmeticFailure& failure) {
            outcome.failure = StepFailure {step.field, step.quantity, failure.cause};
            messages.show(failureMessage(*outcome.failure), kAppTitle, MessageIcon::Stop);
            break;
        }
    }
    return outcome;
}

} // namespace velmora
