#include "target_choice.h"

#include "figures.h"
#include "formats/openngc.h"
#include "formats/openngc_index.h"
#include "formats/shipped_data.h"
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
        throw Refusal::aboutName(Subject::Target, Reason::NotFound, name, catalogue.closest(name));
    }
    const auto shape = sky::outlineOf(*object);
    if (!shape)
        throw Refusal::aboutName(Subject::Target, Reason::NoSize, object->displayName());
    return {object, *shape};
}

sky::TargetFraming frameTarget(const ChosenTarget& target, const sky::SkyField& field, double overlap)
{
    if (!figure(FigureId::Overlap).bounds.holds(overlap * 100))
        throw Refusal::outOfBounds(Subject::Overlap, overlap * 100, figure(FigureId::Overlap).bounds);
    return sky::frameTarget(*target.object, target.shape, field, overlap);
}

void requireFrameable(const optics::OpticalTrain& train, Subject subject)
{
    const double chipWidth = train.effectiveWidth() * train.effectivePixelSize() / 1000; // mm
    const double chipHeight = train.effectiveHeight() * train.effectivePixelHeight() / 1000;
    if (!sky::SkyField {chipWidth, chipHeight}.isPositiveAndFinite())
        throw Refusal(subject, Reason::ChipNotFinite, {chipWidth, chipHeight});
    const sky::SkyField field = sky::skyFieldOf(train);
    if (!field.isPositiveAndFinite())
        throw Refusal(subject, Reason::FieldNotFinite, {field.width, field.height});
}

} // namespace velmora::planning
