#pragma once

#include "computation.h"
#include "optics/equipment_catalogue.h"
#include "request.h"

#include <cstdint>
#include <vector>

namespace velmora::planning {

// Every telescope with every camera of the catalogue, with the request's
// barlow and binning (a camera that the binning leaves without a whole
// pixel is skipped), in catalogue order or sorted by the request's result
// (ascending; rows without it last). A row is computed when asked for, from
// any thread; only the sort keys are kept, so that a sweep of any size runs
// in little memory.
class Sweep {
public:
    Sweep(const optics::EquipmentCatalogue& catalogue, const Request& request);
    std::size_t size() const;
    Computation row(std::size_t index) const;
    // The rigs skipped, whose camera keeps no whole binned pixel.
    std::size_t skippedRigs() const { return (cameras_.size() - usable_.size()) * telescopes_.size(); }

private:
    struct Pair {
        std::uint32_t telescope;
        std::uint32_t camera;
    };
    Pair pairAt(std::size_t index) const;

    const std::vector<optics::Telescope>& telescopes_;
    const std::vector<optics::Camera>& cameras_;
    std::vector<std::uint32_t> usable_; // the cameras' positions
    const Request& request_;
    std::vector<Pair> sorted_; // empty when unsorted
};

} // namespace velmora::planning
