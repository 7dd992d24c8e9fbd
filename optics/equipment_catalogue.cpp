#include "equipment_catalogue.h"

#include "presets/catalogue.h"

#include <algorithm>

namespace velmora::optics {

namespace {

// "&CelestronFIRSTSCOPE114" shows as "CelestronFIRSTSCOPE114".
std::string shownName(std::string_view caption)
{
    std::string name(caption);
    std::erase(name, '&');
    return name;
}

std::string_view objectName(std::string_view name)
{
    return name.starts_with("mnu") ? name.substr(3) : name;
}

} // namespace

EquipmentCatalogue builtInCatalogue()
{
    EquipmentCatalogue catalogue;
    for (const velmora::Telescope& t : kTelescopes) {
        catalogue.telescopes.add(
            {shownName(t.caption), double(t.aperture), double(t.focalLength)}, {objectName(t.name)});
    }
    for (const velmora::Camera& c : kCameras)
        catalogue.cameras.add(
            {shownName(c.caption), c.pixelSize, double(c.width), double(c.height)}, {objectName(c.name)});
    return catalogue;
}

} // namespace velmora::optics
