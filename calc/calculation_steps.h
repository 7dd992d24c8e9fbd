#pragma once

#include "checked_number.h"
#include "fields.h"

#include <array>
#include <string_view>

namespace velmora {

// The five input quantities, each read afresh from its field whenever a
// formula asks for it. A text beyond the double range fails the step.
class Inputs {
public:
    explicit Inputs(const Fields& fields) : fields_(fields) { }
    Checked aperture() const; // D, mm
    Checked focalLength() const; // F, mm
    Checked pixelSize() const; // p, micrometres
    Checked sensorWidth() const; // Nw, pixels
    Checked sensorHeight() const; // Nh, pixels

private:
    Checked read(std::string_view field) const;
    const Fields& fields_;
};

struct CalculationStep {
    std::string_view field;
    std::string_view quantity; // Italian, as the failure notice names it
    Checked (*formula)(const Inputs&);
};

// The 23 steps of a calculation run, in the order they run.
extern const std::array<CalculationStep, 23> kCalculationSteps;

} // namespace velmora
