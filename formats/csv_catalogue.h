#pragma once

#include "optics/equipment_catalogue.h"

#include <string>
#include <string_view>

namespace velmora::formats {

// The header of a user catalogue in CSV.
inline constexpr std::string_view kCatalogueCsvHeader =
    "kind,name,aperture_mm,focal_length_mm,pixel_um,width_px,height_px";

// Adds the entries of a CSV catalogue (RFC 4180: quoted fields, doubled
// quotes, CRLF; a UTF-8 byte-order mark is skipped), where a telescope
// leaves the camera columns empty and a camera the telescope columns.
// `text` is the file's content and `path` names it in errors. A bad line
// throws InputError "path:line: why", and nothing is added.
void addCsvCatalogue(optics::EquipmentCatalogue& catalogue, std::string_view text, const std::string& path);

} // namespace velmora::formats
