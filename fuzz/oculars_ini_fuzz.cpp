// An equipment file of arbitrary bytes read as an oculars INI file: it is either read
// whole, as checkCatalogue demands, or refused with an InputError naming
// the file and line.
#include "equipment_checks.h"
#include "formats/input_error.h"
#include "formats/oculars_ini.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    std::vector<std::string> warnings;
    try {
        velmora::fuzz::checkCatalogue(velmora::formats::readOcularsIni(text, "fuzz", warnings));
    } catch (const velmora::formats::InputError& error) {
        if (std::string_view(error.what()).substr(0, 5) != "fuzz:")
            std::abort();
    }
    return 0;
}
