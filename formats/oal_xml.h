#pragma once

#include "optics/equipment_catalogue.h"

#include <string>
#include <string_view>
#include <vector>

namespace velmora::formats {

// The equipment of an Open Astronomy Log 2.x document: scopes of
// oal:scopeType, imagers of oal:ccdCameraType and lenses, each named by
// its vendor and model; observers, sites, eyepieces, filters, observations
// and other kinds of optics are skipped. A document type declaration is
// refused, so that no entity is ever defined or expanded. A fault throws
// InputError "path:line:column: why"; warnings are added to `warnings`.
// The entries are added to `catalogue`.
void readOal(std::string_view text, const std::string& path, optics::EquipmentCatalogue& catalogue,
    std::vector<std::string>& warnings);

// The catalogue as an OAL 2.1 document, valid against its schema.
std::string oalText(const optics::EquipmentCatalogue& catalogue);

} // namespace velmora::formats
