// A user catalogue of arbitrary bytes: it is either taken whole, as
// checkCatalogue demands, or refused with an InputError naming the file and
// line, the catalogue left as it was.
#include "equipment_checks.h"
#include "formats/csv_catalogue.h"
#include "formats/input_error.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    velmora::optics::EquipmentCatalogue catalogue = velmora::optics::builtInCatalogue();
    const std::size_t builtIn = catalogue.telescopes.items().size() + catalogue.cameras.items().size();
    try {
        velmora::formats::addCsvCatalogue(catalogue, text, "fuzz.csv");
    } catch (const velmora::formats::InputError& error) {
        if (std::string_view(error.what()).substr(0, 9) != "fuzz.csv:")
            std::abort();
        if (catalogue.telescopes.items().size() + catalogue.cameras.items().size() != builtIn)
            std::abort();
        return 0;
    }
    velmora::fuzz::checkCatalogue(catalogue);
    return 0;
}
