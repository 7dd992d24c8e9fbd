#include "catalogue.h"

namespace velmora {

const std::array<TelescopeGroup, 4> kTelescopeGroups {{
    {"mnumaksutovcassegrain", "&maksutovcassegrain"},
    {"mnuschmidtcassegrain", "&schmidtcassegrain"},
    {"mnurifrattori", "&rifrattori"},
    {"mnunewton", "&newton"},
}};

// Some entry names differ from their captions; both are kept as they have
// always been, since the menu's object names are how the entries are found.
const std::array<Telescope, 17> kTelescopes {{
    {"mnumaksutovcassegrain", "mnukonusMAX150HM", "&konusMAX150HM", 150, 1800, false},
    {"mnumaksutovcassegrain", "mnukonusMAX130HM", "&konusMAX130HM", 130, 2000, false},
    {"mnumaksutovcassegrain", "mnuintesmicroALTERM715", "&intesmicroALTERM715", 180, 2700, false},
    {"mnuschmidtcassegrain", "mnuCelestronC5", "&CelestronC5", 127, 1250, true},
    {"mnuschmidtcassegrain", "mnuCelestronOTC8", "&CelestronOTC8", 203, 2032, false},
    {"mnuschmidtcassegrain", "mnuCelestronOTC9", "&CelestronOTC9", 235, 2350, false},
    {"mnuschmidtcassegrain", "mnuCelestronOTC11", "&CelestronOTC11", 279, 2800, false},
    {"mnuschmidtcassegrain", "mnuCelestronOTC14", "&CelestronOTC14", 356, 3910, false},
    {"mnurifrattori", "mnuTakahashiFS60C", "&TakahashiFS60C", 60, 355, false},
    {"mnurifrattori", "mnuTakahashiFS78", "&TakahashiFS78", 78, 630, false},
    {"mnurifrattori", "mnuTakahashiFS102", "&TakahashiFS102", 102, 820, false},
    {"mnurifrattori", "mnuTakahashiFS128", "&TakahashiFS128", 128, 1040, false},
    {"mnurifrattori", "mnuTakahashiFS152", "&TakahashiFS152", 152, 1216, false},
    {"mnunewton", "mnuvixenR135DG", "&vixenR135DG", 135, 720, false},
    {"mnunewton", "mnutalmvixenR150SDG", "&vixenR150SDG", 150, 750, false},
    {"mnunewton", "mnutal1vixenR200SSDG", "&vixenR200SSDG", 200, 800, false},
    {"mnunewton", "mnuCelestroFIRSTSCOPE114", "&CelestronFIRSTSCOPE114", 114, 900, false},
}};

const std::array<Camera, 13> kCameras {{
    {"mnuStarlightxpressSXVH5", "&StarlightXpressSXVH5", 7.4, PixelKind::Decimal, 660, 494},
    {"mnuStarlightXpressSXVM9", "&StarlightXpressSXVM9", 11.2, PixelKind::Decimal, 752, 580},
    {"mnuStarlightXpressSXVM7", "&StarlightXpressSXVM7", 8.2, PixelKind::Decimal, 752, 580},
    {"mnuStarlightXpressSXVH9", "&StarlightXpressSXVH9", 6.45, PixelKind::Decimal, 1392, 1040},
    {"mnuApogeeAP1ME", "&ApogeeAP1ME", 9, PixelKind::Integer, 768, 512},
    {"mnuApogeeAP260E", "&ApogeeAP260E", 20, PixelKind::Integer, 512, 512},
    {"mnuApogeeAP2E", "&ApogeeAP2E", 9, PixelKind::Integer, 1536, 1024},
    {"mnuApogee32ME", "&Apogee32ME", 6.8, PixelKind::Decimal, 2184, 1472},
    {"mnuApogeeAP6E", "&ApogeeAP6E", 24, PixelKind::Integer, 1024, 1024},
    {"mnuApogeeAP9E", "&ApogeeAP9E", 9, PixelKind::Integer, 3072, 2048},
    {"mnuApogeeAP10", "&ApogeeAP10", 14, PixelKind::Integer, 2048, 2048},
    {"mnuApogeeAP16E", "&ApogeeAP16E", 9, PixelKind::Integer, 4096, 4096},
    {"mnuPhilipsVesta", "&PhilipsVesta", 5.6, PixelKind::Decimal, 640, 480},
}};

} // namespace velmora
