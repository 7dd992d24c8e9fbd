#pragma once

#include "optics/equipment_catalogue.h"

#include <string>
#include <string_view>
#include <vector>

namespace velmora::formats {

// The oculars file of a planetarium program (ocular.ini): Qt's INI form,
// entries as "N\key" under [telescope], [ccd] and [lens]. Indices need not
// follow each other and [General]'s counts are not trusted: what is there is
// read. [ocular] and keys the program has no use for are skipped. A fault
// throws InputError "path:line: why"; warnings (pixel and chip sizes that
// disagree) are added to `warnings`. The entries are added to `catalogue`.
void readOcularsIni(std::string_view text, const std::string& path, optics::EquipmentCatalogue& catalogue,
    std::vector<std::string>& warnings);

// The catalogue as such a file.
std::string ocularsIniText(const optics::EquipmentCatalogue& catalogue);

} // namespace velmora::formats
