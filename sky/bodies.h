#pragma once

#include "ephemeris.h"
#include "moment.h"
#include "mosaic.h"
#include "optics/optical_train.h"
#include "site_view.h"

#include <array>
#include <optional>
#include <string_view>
#include <vector>

namespace velmora::sky {

struct BodyFacts {
    Body body;
    std::string_view name; // lower-case English
    double equatorialRadiusKm; // IAU
    std::optional<double> rotationHours; // for the capture limit
    std::string_view colour; // for the framing picture
};
// The Sun, the Moon, then the planets outward from the Sun.
extern const std::array<BodyFacts, 10> kBodies;
// By name, ignoring case; nullptr when there is none.
const BodyFacts* findBody(std::string_view name);
const BodyFacts& factsOf(Body body);

// One body seen with one optical train on one date.
struct BodyView {
    const BodyFacts* facts;
    double distanceKm;
    double apparentDiameterArcsec; // 2 atan(R / distance)
    double kmPerPixel;
    double diskPixels;
    bool fitsSensor;
    Mosaic mosaic; // of the whole disk
    double illuminatedFraction;
    std::optional<double> maxCaptureSeconds; // before rotation moves the disk's centre by a pixel
    std::optional<SiteView> fromSite; // when a site is given
};

// The bodies on one date.
struct SkyView {
    UtcMoment moment;
    std::vector<BodyView> bodies;
    std::optional<Observation> observation; // and with it, each body from the site
    std::optional<double> sunAltitude; // degrees, refracted, at the site
};

// `pixelField` is the train's pixel field in arcseconds. A body outside the
// years its series cover is left out.
SkyView viewSky(const optics::OpticalTrain& train, double pixelField, const UtcMoment& moment,
    const std::optional<Observation>& observation = std::nullopt);

// The view of one body, for a given distance and phase.
BodyView viewBody(const BodyFacts& facts, const optics::OpticalTrain& train, double pixelField, BodyPosition position);

// Whether the series cover `body` in that year.
bool covers(Body body, int year);

} // namespace velmora::sky
