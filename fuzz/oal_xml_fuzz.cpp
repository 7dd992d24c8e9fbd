// An equipment file of arbitrary bytes read as OAL XML.
#include "equipment_checks.h"
#include "formats/oal_xml.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    return velmora::fuzz::checkReading(data, size, velmora::formats::readOal);
}
