#pragma once

#include "checked_number.h"

#include <array>
#include <optional>
#include <string_view>

namespace velmora {

// An input as read from its text; empty when the number lies beyond the
// range of a double, which fails the first step that uses it.
using ReadNumber = std::optional<double>;

// The five equipment quantities a calculation works on.
struct Inputs {
    ReadNumber aperture; // D, mm
    ReadNumber focalLength; // F, mm, of the whole optical train
    ReadNumber pixelSize; // p, micrometres
    ReadNumber sensorWidth; // Nw, pixels
    ReadNumber sensorHeight; // Nh, pixels
    // The tube's own focal length, which alone sets its weight; the same as
    // focalLength unless a barlow or a reducer stands in the train.
    ReadNumber tubeFocalLength;
};

// One result of a calculation run.
struct Quantity {
    std::string_view id; // snake_case, for scripts
    std::string_view italianName; // as the failure notice names it
    std::string_view englishName;
    std::string_view unit; // English symbol; empty for a pure number
    Checked (*formula)(const Inputs&);
};

// The 23 quantities in the order a run computes them.
extern const std::array<Quantity, 23> kQuantities;

// The quantity of that id, or nullptr.
const Quantity* findQuantity(std::string_view id);

} // namespace velmora
