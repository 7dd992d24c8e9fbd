#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace velmora::cli {

struct TelescopeEntry {
    std::string name;
    double aperture; // mm
    double focalLength; // mm
};

struct CameraEntry {
    std::string name;
    double pixelSize; // micrometres
    double width; // pixels
    double height; // pixels
};

// The window's telescopes and cameras, named without the menus' "mnu"
// prefix, followed by the user's own.
struct EquipmentCatalogue {
    std::vector<TelescopeEntry> telescopes;
    std::vector<CameraEntry> cameras;
};

EquipmentCatalogue builtInCatalogue();

// Adds the entries of a CSV file with the header
// kind,name,aperture_mm,focal_length_mm,pixel_um,width_px,height_px
// where a telescope leaves the camera columns empty and a camera the
// telescope columns. A bad line throws UsageError naming its number, and
// nothing is added.
void addUserCatalogue(EquipmentCatalogue& catalogue, const std::string& path);

// By name, ignoring case; nullptr when there is none.
const TelescopeEntry* findTelescope(const EquipmentCatalogue& catalogue, std::string_view name);
const CameraEntry* findCamera(const EquipmentCatalogue& catalogue, std::string_view name);

} // namespace velmora::cli
