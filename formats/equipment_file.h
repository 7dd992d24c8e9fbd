#pragma once

#include "optics/equipment_catalogue.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velmora::formats {

enum class EquipmentFormat { Csv, OcularsIni, Oal };

// The format's name on the command line ("csv", "oculars-ini", "oal"), and back.
std::string_view formatName(EquipmentFormat format);
std::optional<EquipmentFormat> findEquipmentFormat(std::string_view name);

// The format of a file's text, by its content: XML is OAL, sections in
// brackets are an oculars file, anything else is CSV.
EquipmentFormat formatOf(std::string_view text);

// The equipment of one file, and what was said while reading it.
struct EquipmentFile {
    optics::EquipmentCatalogue catalogue;
    std::vector<std::string> warnings;
};

// Reads the file's text in its format; a fault throws InputError naming the place.
EquipmentFile readEquipment(std::string_view text, const std::string& path);
// The same onto a catalogue, giving the warnings: in a layer of its shelves
// (Shelf::beginLayer), an entry takes the place of one of the same name
// from before; on a fault the catalogue holds part of the file.
std::vector<std::string> readEquipmentOnto(
    std::string_view text, const std::string& path, optics::EquipmentCatalogue& catalogue);

// The catalogue as a file of the format.
std::string equipmentText(const optics::EquipmentCatalogue& catalogue, EquipmentFormat format);

} // namespace velmora::formats
