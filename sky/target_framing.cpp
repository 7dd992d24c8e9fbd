#include "target_framing.h"

#include "units/angles.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace velmora::sky {

SkyField skyFieldOf(const optics::OpticalTrain& train)
{
    const double focalLength = train.effectiveFocalLength();
    const auto across = [focalLength](double pixels, double pixelSize) {
        const double size = pixels * pixelSize / 1000; // mm
        return units::arcminutes(2 * std::atan(size / (2 * focalLength)));
    };
    return {across(train.effectiveWidth(), train.effectivePixelSize()),
        across(train.effectiveHeight(), train.effectivePixelHeight())};
}

std::optional<CatalogueOutline> outlineOf(const DeepSkyObject& object)
{
    if (!object.majorAxis || !(*object.majorAxis > 0))
        return std::nullopt;
    const double major = *object.majorAxis;
    return CatalogueOutline {
        {major, object.minorAxis.value_or(major), object.positionAngle.value_or(0)},
        !object.minorAxis,
        !object.positionAngle,
    };
}

TargetFraming frameTarget(
    const DeepSkyObject& object, const CatalogueOutline& shape, const SkyField& field, double overlap)
{
    TargetFraming framing {&object, shape, field, fitMargin(field, shape.outline), std::nullopt};
    if (!framing.fits())
        framing.mosaic = fewestFrames(field, shape.outline, overlap);
    return framing;
}

bool framesBetter(const TargetFraming& a, const TargetFraming& b)
{
    if (a.fits() != b.fits())
        return a.fits();
    if (a.fits())
        return a.fill() > b.fill();
    // A mosaic beyond counting comes last.
    const auto frames = [](const TargetFraming& framing) {
        return framing.mosaic ? framing.mosaic->frames() : std::numeric_limits<std::uint64_t>::max();
    };
    return frames(a) != frames(b) ? frames(a) < frames(b) : a.fill() < b.fill();
}

std::vector<TargetFraming> suggestTargets(
    const DeepSkyCatalogue& catalogue, const SkyField& field, const SuggestionFilter& filter)
{
    std::vector<TargetFraming> chosen;
    for (const DeepSkyObject& object : catalogue.objects()) {
        if (!object.duplicateOf.empty() || (filter.families && !(object.type->families & filter.families)))
            continue;
        if (filter.maxMagnitude && !(object.magnitude && *object.magnitude <= *filter.maxMagnitude))
            continue;
        const auto shape = outlineOf(object);
        if (!shape)
            continue;
        const FitMargin margin = fitMargin(field, shape->outline);
        if (margin.best >= 1 && 1 / margin.best >= filter.minFill)
            chosen.push_back({&object, *shape, field, margin, std::nullopt});
    }
    std::ranges::stable_sort(chosen, framesBetter);
    return chosen;
}

} // namespace velmora::sky
