#include "deep_sky_choice.h"

#include "computation.h"
#include "formats/openngc.h"
#include "formats/shipped_data.h"
#include "formats/strict_number.h"
#include "usage_error.h"

#include <algorithm>

namespace velmora::cli {

sky::DeepSkyCatalogue loadDeepSky()
{
    return formats::loadOpenNgc((formats::shippedDataFolder() / "openngc").string());
}

ChosenTarget chooseTarget(const sky::DeepSkyCatalogue& catalogue, const std::string& name)
{
    const sky::DeepSkyObject* object = catalogue.find(name);
    if (!object) {
        throw UsageError(
            "--target: no deep-sky object named " + formats::echoed(name) + didYouMean(catalogue.closest(name)));
    }
    const auto shape = sky::outlineOf(*object);
    if (!shape)
        throw UsageError(
            "--target: " + object->displayName() + " has no size in the catalogue, so it cannot be framed");
    return {object, *shape};
}

std::vector<RigFraming> rankRigs(
    const optics::EquipmentCatalogue& catalogue, const Options& options, const ChosenTarget& target)
{
    std::vector<RigFraming> rigs;
    for (const optics::Telescope& telescope : catalogue.telescopes.items()) {
        for (const optics::Camera& camera : catalogue.cameras.items()) {
            const optics::OpticalTrain train = trainOf(telescope, camera, options);
            if (!train.hasWholeBinnedPixel())
                continue; // skipped, as the sweep says
            rigs.push_back({&telescope, &camera,
                sky::frameTarget(*target.object, target.shape, sky::skyFieldOf(train), options.overlap)});
        }
    }
    std::ranges::stable_sort(rigs, sky::framesBetter, &RigFraming::framing);
    return rigs;
}

} // namespace velmora::cli
