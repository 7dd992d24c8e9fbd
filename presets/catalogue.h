#pragma once

#include <array>
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
    int aperture; // mm, written into Text1
    int focalLength; // mm, written into Text2
    bool clearsText7;
};

// Whether a pixel size is held as a whole number or as a decimal value.
enum class PixelKind { Integer, Decimal };

struct Camera {
    std::string_view name;
    std::string_view caption;
    double pixelSize; // micrometres, written into Text3
    PixelKind pixelKind;
    int width; // pixels, written into Text14
    int height; // pixels, written into Text22
};

extern const std::array<TelescopeGroup, 4> kTelescopeGroups;
extern const std::array<Telescope, 17> kTelescopes;
extern const std::array<Camera, 13> kCameras;

} // namespace velmora
