#include "catalogue.h"

#include "calc/number_text.h"

namespace velmora {

const std::array<TelescopeGroup, 4> kTelescopeGroups {{
    {"mnumaksutovcassegrain", "&maksutovcassegrain"},
    {"mnuschmidtcassegrain", "&schmidtcassegrain"},
    {"mnurifrattori", "&rifrattori"},
    {"mnunewton", "&newton"},
}};

// Some entry names differ from their captions; both are kept as they have
// always been, since the menu's object names are how the entries are found.
const std::array<TelescopeEntry, 17> kTelescopes {{
    {"mnumaksutovcassegrain", "mnukonusMAX150HM", "&konusMAX150HM", {"konusMAX150HM", 150, 1800}},
    {"mnumaksutovcassegrain", "mnukonusMAX130HM", "&konusMAX130HM", {"konusMAX130HM", 130, 2000}},
    {"mnumaksutovcassegrain", "mnuintesmicroALTERM715", "&intesmicroALTERM715", {"intesmicroALTERM715", 180, 2700}},
    {"mnuschmidtcassegrain", "mnuCelestronC5", "&CelestronC5", {"CelestronC5", 127, 1250}, "km_per_pixel_jupiter_far"},
    {"mnuschmidtcassegrain", "mnuCelestronOTC8", "&CelestronOTC8", {"CelestronOTC8", 203, 2032}},
    {"mnuschmidtcassegrain", "mnuCelestronOTC9", "&CelestronOTC9", {"CelestronOTC9", 235, 2350}},
    {"mnuschmidtcassegrain", "mnuCelestronOTC11", "&CelestronOTC11", {"CelestronOTC11", 279, 2800}},
    {"mnuschmidtcassegrain", "mnuCelestronOTC14", "&CelestronOTC14", {"CelestronOTC14", 356, 3910}},
    {"mnurifrattori", "mnuTakahashiFS60C", "&TakahashiFS60C", {"TakahashiFS60C", 60, 355}},
    {"mnurifrattori", "mnuTakahashiFS78", "&TakahashiFS78", {"TakahashiFS78", 78, 630}},
    {"mnurifrattori", "mnuTakahashiFS102", "&TakahashiFS102", {"TakahashiFS102", 102, 820}},
    {"mnurifrattori", "mnuTakahashiFS128", "&TakahashiFS128", {"TakahashiFS128", 128, 1040}},
    {"mnurifrattori", "mnuTakahashiFS152", "&TakahashiFS152", {"TakahashiFS152", 152, 1216}},
    {"mnunewton", "mnuvixenR135DG", "&vixenR135DG", {"vixenR135DG", 135, 720}},
    {"mnunewton", "mnutalmvixenR150SDG", "&vixenR150SDG", {"vixenR150SDG", 150, 750}},
    {"mnunewton", "mnutal1vixenR200SSDG", "&vixenR200SSDG", {"vixenR200SSDG", 200, 800}},
    {"mnunewton", "mnuCelestroFIRSTSCOPE114", "&CelestronFIRSTSCOPE114", {"CelestronFIRSTSCOPE114", 114, 900}},
}};

const std::array<CameraEntry, 13> kCameras {{
    {"mnuStarlightxpressSXVH5", "&StarlightXpressSXVH5", {"StarlightXpressSXVH5", 7.4, 660, 494}},
    {"mnuStarlightXpressSXVM9", "&StarlightXpressSXVM9", {"StarlightXpressSXVM9", 11.2, 752, 580}},
    {"mnuStarlightXpressSXVM7", "&StarlightXpressSXVM7", {"StarlightXpressSXVM7", 8.2, 752, 580}},
    {"mnuStarlightXpressSXVH9", "&StarlightXpressSXVH9", {"StarlightXpressSXVH9", 6.45, 1392, 1040}},
    {"mnuApogeeAP1ME", "&ApogeeAP1ME", {"ApogeeAP1ME", 9, 768, 512}},
    {"mnuApogeeAP260E", "&ApogeeAP260E", {"ApogeeAP260E", 20, 512, 512}},
    {"mnuApogeeAP2E", "&ApogeeAP2E", {"ApogeeAP2E", 9, 1536, 1024}},
    {"mnuApogee32ME", "&Apogee32ME", {"Apogee32ME", 6.8, 2184, 1472}},
    {"mnuApogeeAP6E", "&ApogeeAP6E", {"ApogeeAP6E", 24, 1024, 1024}},
    {"mnuApogeeAP9E", "&ApogeeAP9E", {"ApogeeAP9E", 9, 3072, 2048}},
    {"mnuApogeeAP10", "&ApogeeAP10", {"ApogeeAP10", 14, 2048, 2048}},
    {"mnuApogeeAP16E", "&ApogeeAP16E", {"ApogeeAP16E", 9, 4096, 4096}},
    {"mnuPhilipsVesta", "&PhilipsVesta", {"PhilipsVesta", 5.6, 640, 480}},
}};

TelescopeTexts inputTexts(const optics::Telescope& telescope)
{
    return {formatInput(telescope.aperture), formatInput(telescope.focalLength)};
}

CameraTexts inputTexts(const optics::Camera& camera)
{
    return {formatInput(camera.pixelSize), formatInput(camera.width), formatInput(camera.height)};
}

namespace {

// "mnuCelestronOTC8" is also known as "CelestronOTC8".
std::string_view objectName(std::string_view name)
{
    return name.starts_with("mnu") ? name.substr(3) : name;
}

} // namespace

optics::EquipmentCatalogue builtInCatalogue()
{
    optics::EquipmentCatalogue catalogue;
    for (const TelescopeEntry& entry : kTelescopes)
        catalogue.telescopes.add(entry.telescope, {objectName(entry.name)});
    for (const CameraEntry& entry : kCameras)
        catalogue.cameras.add(entry.camera, {objectName(entry.name)});
    return catalogue;
}

} // namespace velmora
