// An equipment file of arbitrary bytes read as OAL XML: it
// is either read whole, every entry findable by its name with positive,
// finite figures, or refused with an InputError naming the file and line.
#include "formats/input_error.h"
#include "formats/oal_xml.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {

bool positive(double value)
{
    return std::isfinite(value) && value > 0;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    std::vector<std::string> warnings;
    velmora::optics::EquipmentCatalogue catalogue;
    try {
        catalogue = velmora::formats::readOal(text, "fuzz", warnings);
    } catch (const velmora::formats::InputError& error) {
        if (std::string_view(error.what()).substr(0, 5) != "fuzz:")
            std::abort();
        return 0;
    }
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
    return 0;
}
