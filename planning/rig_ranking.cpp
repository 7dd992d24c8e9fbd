#include "rig_ranking.h"

#include "target_choice.h"
#include "train_choice.h"

#include <algorithm>

namespace velmora::planning {

RigRanking rankRigs(
    const Request& request, const optics::EquipmentCatalogue& catalogue, const sky::DeepSkyCatalogue& deepSky)
{
    const ChosenTarget target = chooseTarget(deepSky, *request.target);
    RigRanking ranking {{}, 0};
    for (const optics::Telescope& telescope : catalogue.telescopes.items()) {
        for (const optics::Camera& camera : catalogue.cameras.items()) {
            const optics::OpticalTrain train = trainOf(telescope, camera, request);
            if (!train.hasWholeBinnedPixel()) {
                ++ranking.skipped;
                continue;
            }
            ranking.rigs.push_back({&telescope, &camera, frameTarget(target, sky::skyFieldOf(train), request.overlap)});
        }
    }
    std::ranges::stable_sort(ranking.rigs, sky::framesBetter, &RigFraming::framing);
    return ranking;
}

} // namespace velmora::planning
