#include "catalogue.h"

#include "calc/number_text.h"

namespace velmora {

const std::array<TelescopeGroup, 4> kTelescopeGroups {{
    {"mnumaksutovcassegrain", "&maksutovcassegrain"},
    {"mnuschmidtcassegrain", "&schmidtcassegrain"},
    {"mnurifrattori", "&rifrattori"},
    {"mnunewton", "&newton"},
}};

namespace {

// An entry's equipment goes by its caption without the access key's "&":
// "&CelestronOTC8" is the telescope CelestronOTC8.
std::string shownName(std::string_view caption)
{
    std::string name(caption);
    std::erase(name, '&');
    return name;
}

TelescopeEntry telescope(std::string_view group, std::string_view name, std::string_view caption, double aperture,
    double focalLength, std::string_view emptiedResult = {})
{
    return {group, name, caption, {shownName(caption), aperture, focalLength}, emptiedResult};
}

CameraEntry camera(std::string_view name, std::string_view caption, double pixelSize, double width, double height)
{
    return {name, caption, {shownName(caption), pixelSize, width, height}};
}

} // namespace

// Some entry names differ from their captions; both are kept as they have
// always been, since the menu's object names are how the entries are found.
const std::array<TelescopeEntry, 17> kTelescopes {
    telescope("mnumaksutovcassegrain", "mnukonusMAX150HM", "&konusMAX150HM", 150, 1800),
    telescope("mnumaksutovcassegrain", "mnukonusMAX130HM", "&konusMAX130HM", 130, 2000),
    telescope("mnumaksutovcassegrain", "mnuintesmicroALTERM715", "&intesmicroALTERM715", 180, 2700),
    telescope("mnuschmidtcassegrain", "mnuCelestronC5", "&CelestronC5", 127, 1250, "km_per_pixel_jupiter_far"),
    telescope("mnuschmidtcassegrain", "mnuCelestronOTC8", "&CelestronOTC8", 203, 2032),
    telescope("mnuschmidtcassegrain", "mnuCelestronOTC9", "&CelestronOTC9", 235, 2350),
    telescope("mnuschmidtcassegrain", "mnuCelestronOTC11", "&CelestronOTC11", 279, 2800),
    telescope("mnuschmidtcassegrain", "mnuCelestronOTC14", "&CelestronOTC14", 356, 3910),
    telescope("mnurifrattori", "mnuTakahashiFS60C", "&TakahashiFS60C", 60, 355),
    telescope("mnurifrattori", "mnuTakahashiFS78", "&TakahashiFS78", 78, 630),
    telescope("mnurifrattori", "mnuTakahashiFS102", "&TakahashiFS102", 102, 820),
    telescope("mnurifrattori", "mnuTakahashiFS128", "&TakahashiFS128", 128, 1040),
    telescope("mnurifrattori", "mnuTakahashiFS152", "&TakahashiFS152", 152, 1216),
    telescope("mnunewton", "mnuvixenR135DG", "&vixenR135DG", 135, 720),
    telescope("mnunewton", "mnutalmvixenR150SDG", "&vixenR150SDG", 150, 750),
    telescope("mnunewton", "mnutal1vixenR200SSDG", "&vixenR200SSDG", 200, 800),
    telescope("mnunewton", "mnuCelestroFIRSTSCOPE114", "&CelestronFIRSTSCOPE114", 114, 900),
};

const std::array<CameraEntry, 13> kCameras {
    camera("mnuStarlightxpressSXVH5", "&StarlightXpressSXVH5", 7.4, 660, 494),
    camera("mnuStarlightXpressSXVM9", "&StarlightXpressSXVM9", 11.2, 752, 580),
    camera("mnuStarlightXpressSXVM7", "&StarlightXpressSXVM7", 8.2, 752, 580),
    camera("mnuStarlightXpressSXVH9", "&StarlightXpressSXVH9", 6.45, 1392, 1040),
    camera("mnuApogeeAP1ME", "&ApogeeAP1ME", 9, 768, 512),
    camera("mnuApogeeAP260E", "&ApogeeAP260E", 20, 512, 512),
    camera("mnuApogeeAP2E", "&ApogeeAP2E", 9, 1536, 1024),
    camera("mnuApogee32ME", "&Apogee32ME", 6.8, 2184, 1472),
    camera("mnuApogeeAP6E", "&ApogeeAP6E", 24, 1024, 1024),
    camera("mnuApogeeAP9E", "&ApogeeAP9E", 9, 3072, 2048),
    camera("mnuApogeeAP10", "&ApogeeAP10", 14, 2048, 2048),
    camera("mnuApogeeAP16E", "&ApogeeAP16E", 9, 4096, 4096),
    camera("mnuPhilipsVesta", "&PhilipsVesta", 5.6, 640, 480),
};

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
