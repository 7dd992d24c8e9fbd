#pragma once

#include "optics/equipment_catalogue.h"

#include <string>
#include <string_view>
#include <vector>

namespace velmora::formats {

// The header of a user catalogue in CSV; files with the first seven
// columns only (no lenses, square pixels) are read too.
inline constexpr std::string_view kCatalogueCsvHeader =
    "kind,name,aperture_mm,focal_length_mm,pixel_um,width_px,height_px,pixel_height_um,factor";

// Adds the entries of a CSV catalogue (RFC 4180: quoted fields, doubled
// quotes, CRLF; a UTF-8 byte-order mark is skipped): a telescope fills the
// aperture and focal length, a camera the pixel and sensor columns (the
// pixel height when it differs from the width), a lens its factor; what a
// kind does not use stays empty. `text` is the file's content and `path`
// names it in errors. A bad line throws InputError "path:line: why"; the
// entries before it may have been added (the caller drops the catalogue).
void addCsvCatalogue(optics::EquipmentCatalogue& catalogue, std::string_view text, const std::string& path);

// The catalogue as such a file.
std::string csvCatalogueText(const optics::EquipmentCatalogue& catalogue);

} // namespace velmora::formats
