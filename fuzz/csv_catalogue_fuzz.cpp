// A user catalogue of arbitrary bytes over the built-in one, as the tool
// loads it: it is either taken whole, as checkCatalogue demands, its
// entries taking the places of built-in ones of the same name, or refused
// with an InputError naming the file and line.
#include "equipment_checks.h"
#include "formats/csv_catalogue.h"
#include "formats/input_error.h"
#include "presets/catalogue.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    velmora::optics::EquipmentCatalogue catalogue = velmora::builtInCatalogue();
    const std::size_t builtIn = catalogue.telescopes.items().size() + catalogue.cameras.items().size();
    catalogue.telescopes.beginLayer();
    catalogue.cameras.beginLayer();
    catalogue.lenses.beginLayer();
    try {
        velmora::formats::addCsvCatalogue(catalogue, text, "fuzz.csv");
    } catch (const velmora::formats::InputError& error) {
        if (std::string_view(error.what()).substr(0, 9) != "fuzz.csv:")
            std::abort();
        return 0;
    }
    if (catalogue.telescopes.items().size() + catalogue.cameras.items().size() < builtIn)
        std::abort(); // a replacement takes its place, and nothing is lost
    velmora::fuzz::checkCatalogue(catalogue);
    return 0;
}
