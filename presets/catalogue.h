#pragma once

#include "optics/equipment_catalogue.h"

#include <array>
#include <string>
#include <string_view>

namespace velmora {

// The built-in equipment, in menu order: each entry is the same telescope or
// camera both front ends compute with, with the window's menu entry for it.
// `name` is the menu entry's object name, `caption` its text with "&"
// before the access key; the equipment's own name is the caption without it.

struct TelescopeGroup {
    std::string_view name;
    std::string_view caption;
};

struct TelescopeEntry {
    std::string_view group; // name of the TelescopeGroup it is listed under
    std::string_view name;
    std::string_view caption;
    optics::Telescope telescope;
    std::string_view emptiedResult = {}; // id of a result the entry empties, or none
};

struct CameraEntry {
    std::string_view name;
    std::string_view caption;
    optics::Camera camera;
};

extern const std::array<TelescopeGroup, 4> kTelescopeGroups;
extern const std::array<TelescopeEntry, 17> kTelescopes;
extern const std::array<CameraEntry, 13> kCameras;

// The input texts an entry writes, by the input text rule, so that the field
// reading rule gives the catalogue's values back exactly.
struct TelescopeTexts {
    std::string aperture;
    std::string focalLength;
};
struct CameraTexts {
    std::string pixelSize;
    std::string sensorWidth;
    std::string sensorHeight;
};
TelescopeTexts inputTexts(const optics::Telescope& telescope);
CameraTexts inputTexts(const optics::Camera& camera);

// The built-in telescopes and cameras under the names their menus show;
// the menus' object names without "mnu" are accepted as aliases.
optics::EquipmentCatalogue builtInCatalogue();

} // namespace velmora
