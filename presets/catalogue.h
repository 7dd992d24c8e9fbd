#pragma once

#include <array>
#include <string>
#include <string_view>

namespace velmora {

// The equipment catalogues, in menu order. `name` is the menu entry's object
// name, `caption` its text with "&" before the access key.

struct TelescopeGroup {
    std::string_view name;
    std::string_view caption;
};

struct Telescope {
    std::string_view group; // name of the TelescopeGroup it is listed under
    std::string_view name;
    std::string_view caption;
    int aperture; // mm
    int focalLength; // mm
    std::string_view emptiedResult = {}; // id of a result the entry empties, or none
};

struct Camera {
    std::string_view name;
    std::string_view caption;
    double pixelSize; // micrometres
    int width; // pixels
    int height; // pixels
};

extern const std::array<TelescopeGroup, 4> kTelescopeGroups;
extern const std::array<Telescope, 17> kTelescopes;
extern const std::array<Camera, 13> kCameras;

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
TelescopeTexts inputTexts(const Telescope& telescope);
CameraTexts inputTexts(const Camera& camera);

} // namespace velmora
