// An equipment file of arbitrary bytes read as an oculars INI file.
#include "equipment_checks.h"
#include "formats/oculars_ini.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    return velmora::fuzz::checkReading(data, size, velmora::formats::readOcularsIni);
}
