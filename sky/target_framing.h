#pragma once

#include "deep_sky_catalogue.h"
#include "framing.h"
#include "optics/optical_train.h"

#include <optional>
#include <vector>

namespace velmora::sky {

// The sky field of a train: 2 atan(size / 2f) along each side of the
// binned sensor, each with its own pixel size, at the effective focal
// length; arcminutes.
SkyField skyFieldOf(const optics::OpticalTrain& train);

// An object's outline as the catalogue gives it: a missing minor axis makes
// it round, a missing position angle makes it 0. None without a major axis.
struct CatalogueOutline {
    Outline outline;
    bool roundAssumed;
    bool angleAssumed;
};
std::optional<CatalogueOutline> outlineOf(const DeepSkyObject& object);

// A deep-sky object on a rig's field: its margin and, when it fits at no
// angle, the smallest mosaic that holds it.
struct TargetFraming {
    const DeepSkyObject* object;
    CatalogueOutline shape;
    SkyField field;
    FitMargin margin;
    std::optional<FramedMosaic> mosaic; // when it does not fit; none beyond counting

    bool fits() const { return margin.best >= 1; }
    double fill() const { return 1 / margin.best; }
};

// `overlap` is a share of a frame, from 0 up to 0.5.
TargetFraming frameTarget(
    const DeepSkyObject& object, const CatalogueOutline& shape, const SkyField& field, double overlap);

// Whether `a` frames its object better than `b`: those that fit first,
// the larger fill first; then the fewer mosaic frames.
bool framesBetter(const TargetFraming& a, const TargetFraming& b);

// Which objects --suggest offers.
struct SuggestionFilter {
    double minFill = 0.3; // above 0, at most 1
    unsigned families = 0; // DeepSkyFamily bits; 0 for any
    std::optional<double> maxMagnitude; // objects without a magnitude are left out when set
};

// The catalogue's objects that fit the field with at least the filter's
// fill, largest fill first; duplicate entries and objects without a size
// are left out.
std::vector<TargetFraming> suggestTargets(
    const DeepSkyCatalogue& catalogue, const SkyField& field, const SuggestionFilter& filter);

} // namespace velmora::sky
