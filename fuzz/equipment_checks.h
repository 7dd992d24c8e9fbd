#pragma once

// What every equipment reader must give when it accepts a file: each entry
// findable by its name, every figure positive and finite, and a catalogue
// that every export format gives back whole. A broken promise aborts, which
// the fuzzer reports.
#include "formats/equipment_file.h"
#include "formats/input_error.h"
#include "optics/equipment_catalogue.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

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
    for (const auto format :
        {formats::EquipmentFormat::Csv, formats::EquipmentFormat::OcularsIni, formats::EquipmentFormat::Oal}) {
        if (catalogue.telescopes.items().empty() && catalogue.cameras.items().empty() &&
            catalogue.lenses.items().empty())
            break; // an empty export is a file without equipment, which is refused
        const formats::EquipmentFile back = formats::readEquipment(formats::equipmentText(catalogue, format), "export");
        if (back.catalogue.telescopes.items() != catalogue.telescopes.items() ||
            back.catalogue.cameras.items() != catalogue.cameras.items() ||
            back.catalogue.lenses.items() != catalogue.lenses.items() || !back.warnings.empty())
            std::abort();
    }
}

// Arbitrary bytes read by one of the file readers: the file is either read
// whole, as checkCatalogue demands, or refused with an InputError naming
// the file and line.
template <typename Reader> int checkReading(const std::uint8_t* data, std::size_t size, Reader read)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    std::vector<std::string> warnings;
    try {
        optics::EquipmentCatalogue catalogue;
        read(text, "fuzz", catalogue, warnings);
        checkCatalogue(catalogue);
    } catch (const formats::InputError& error) {
        if (!std::string_view(error.what()).starts_with("fuzz:"))
            std::abort();
    }
    return 0;
}

} // namespace velmora::fuzz
