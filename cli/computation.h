#pragma once

#include "calc/calculation.h"
#include "equipment_choice.h"
#include "optics/sampling.h"
#include "options.h"
#include "sky/bodies.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace velmora::cli {

// One telescope with one camera, computed.
struct Computation {
    ChosenTrain chosen;
    Outcome outcome; // texts with "." as the separator, none in a sweep
    std::optional<optics::SamplingAdvice> sampling; // with --seeing, when the pixel field was computed
    std::optional<sky::SkyView> sky; // with --date, when the pixel field was computed
    std::optional<sky::TargetFraming> target; // with --target
};

Computation compute(const ChosenTrain& chosen, const Options& options);

// A catalogue telescope with a catalogue camera, with the options' barlow and binning.
optics::OpticalTrain trainOf(const optics::Telescope& telescope, const optics::Camera& camera, const Options& options);

// The engine's pixel field of a computation, when it got that far.
std::optional<double> pixelFieldOf(const Outcome& outcome);

// Every telescope with every camera of the catalogue, with the options'
// barlow and binning (a camera that the binning leaves without a whole
// pixel is skipped), in catalogue order or sorted by the --sort-by result
// (ascending; rows without it last). A row is computed when asked for, from
// any thread; only the sort keys are kept, so that a sweep of any size runs
// in little memory.
class Sweep {
public:
    Sweep(const optics::EquipmentCatalogue& catalogue, const Options& options);
    std::size_t size() const;
    Computation row(std::size_t index) const;
    // The cameras skipped, which leave no whole binned pixel.
    std::size_t skippedCameras() const { return cameras_.size() - usable_.size(); }

private:
    struct Pair {
        std::uint32_t telescope;
        std::uint32_t camera;
    };
    Pair pairAt(std::size_t index) const;

    const std::vector<optics::Telescope>& telescopes_;
    const std::vector<optics::Camera>& cameras_;
    std::vector<std::uint32_t> usable_; // the cameras' positions
    const Options& options_;
    std::vector<Pair> sorted_; // empty when unsorted
};

} // namespace velmora::cli
