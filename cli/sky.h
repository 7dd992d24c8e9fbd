#pragma once

#include "ephemeris.h"
#include "optical_train.h"
#include "sky_date.h"

#include <array>
#include <optional>
#include <string_view>
#include <vector>

namespace velmora::cli {

struct BodyFacts {
    Body body;
    std::string_view name; // lower-case English
    double equatorialRadiusKm; // IAU
    std::optional<double> rotationHours; // for the capture limit
    std::string_view colour; // for the framing picture
};
extern const std::array<BodyFacts, 10> kBodies;
const BodyFacts* findBody(std::string_view name);

// One body seen with one optical train on one date.
struct BodyView {
    const BodyFacts* facts;
    double distanceKm;
    double apparentDiameterArcsec; // 2 atan(R / distance)
    double kmPerPixel;
    double diskPixels;
    bool fitsSensor;
    int mosaicColumns; // frames across, with 10% overlap
    int mosaicRows;
    double illuminatedFraction;
    std::optional<double> maxCaptureSeconds; // before rotation moves the disk's centre by a pixel
};

inline constexpr double kMosaicOverlap = 0.10;

// The bodies on one date.
struct SkyView {
    SkyDate date;
    std::vector<BodyView> bodies;
};

// `pixelField` is the train's pixel field in arcseconds. A body outside the
// years its series cover is left out.
std::vector<BodyView> viewSky(const OpticalTrain& train, double pixelField, const SkyDate& date);

// The view of one body, for a given distance and phase.
BodyView viewBody(const BodyFacts& facts, const OpticalTrain& train, double pixelField, BodyPosition position);

} // namespace velmora::cli
