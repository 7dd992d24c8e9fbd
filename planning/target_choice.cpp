#include "target_choice.h"

#include "figures.h"
#include "formats/exact_number.h"
#include "formats/openngc.h"
#include "formats/openngc_index.h"
#include "formats/shipped_data.h"
#include "formats/strict_number.h"
#include "formats/text_file.h"
#include "refusal.h"
#include "rules.h"

#include <cmath>

namespace velmora::planning {

namespace {

std::string openNgcFolder()
{
    return (formats::shippedDataFolder() / "openngc").string();
}

} // namespace

sky::DeepSkyCatalogue loadDeepSky()
{
    return formats::loadOpenNgc(openNgcFolder());
}

sky::DeepSkyCatalogue loadDeepSkyFor(const std::string& name)
{
    if (auto alone = formats::findThroughIndex(openNgcFolder(), name))
        return std::move(*alone);
    return loadDeepSky();
}

ChosenTarget chooseTarget(const sky::DeepSkyCatalogue& catalogue, const std::string& name)
{
    const sky::DeepSkyObject* object = catalogue.find(name);
    if (!object) {
        throw Refusal(Subject::Target,
            "no deep-sky object named " + formats::echoed(name) + formats::didYouMean(catalogue.closest(name)));
    }
    const auto shape = sky::outlineOf(*object);
    if (!shape)
        throw Refusal(Subject::Target, object->displayName() + " has no size in the catalogue, so it cannot be framed");
    return {object, *shape};
}

sky::TargetFraming frameTarget(const ChosenTarget& target, const sky::SkyField& field, double overlap)
{
    if (!figure(FigureId::Overlap).bounds.holds(overlap * 100))
        throw Refusal(Subject::Overlap, overlapRefusal(formats::exactNumber(overlap * 100) + "%"));
    return sky::frameTarget(*target.object, target.shape, field, overlap);
}

void requireFrameable(const optics::OpticalTrain& train, Subject subject)
{
    const double chipWidth = train.effectiveWidth() * train.effectivePixelSize() / 1000; // mm
    const double chipHeight = train.effectiveHeight() * train.effectivePixelHeight() / 1000;
    const auto sizeText = [](double width, double height, const char* unit) {
        return std::isfinite(width) && std::isfinite(height)
            ? " (" + formats::exactNumber(width) + " x " + formats::exactNumber(height) + " " + unit + ")"
            : std::string();
    };
    if (!sky::SkyField {chipWidth, chipHeight}.isPositiveAndFinite())
        throw Refusal(subject,
            "the rig's chip" + sizeText(chipWidth, chipHeight, "mm") +
                " is not a positive finite size, so nothing can be framed on it");
    const sky::SkyField field = sky::skyFieldOf(train);
    if (!field.isPositiveAndFinite())
        throw Refusal(subject,
            "the rig's field" + sizeText(field.width, field.height, "arcmin") +
                " is not a positive finite size, so nothing can be framed on it");
}

} // namespace velmora::planning
