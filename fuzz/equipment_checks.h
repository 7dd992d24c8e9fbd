#pragma once

// What every equipment reader must give when it accepts a file: each entry
// findable by its name, every figure positive and finite. A broken promise
// aborts, which the fuzzer reports.
#include "optics/equipment_catalogue.h"

#include <cmath>
#include <cstdlib>

namespace velmora::fuzz {

inline bool positive(double value)
{
    return std::isfinite(value) && value > 0;
}

inline void checkCatalogue(const optics::EquipmentCatalogue& catalogue)
{
    for (const auto& t : catalogue.telescopes.items()) {
        if (!catalogue.telescopes.find(t.name) || !positive(t.aperture) || !positive(t.focalLength))
            std::abort();
    }
    for (const auto& c : catalogue.cameras.items()) {
        if (!catalogue.cameras.find(c.name) || !positive(c.pixelSize) || !positive(c.pixelHeightOrSize()) ||
            !positive(c.width) || !positive(c.height))
            std::abort();
    }
    for (const auto& l : catalogue.lenses.items()) {
        if (!catalogue.lenses.find(l.name) || !positive(l.factor))
            std::abort();
    }
}

} // namespace velmora::fuzz
