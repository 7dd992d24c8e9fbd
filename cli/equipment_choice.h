#pragma once

#include "optics/equipment_catalogue.h"
#include "optics/optical_train.h"
#include "options.h"

#include <iosfwd>
#include <string>

namespace velmora::cli {

// Where one figure of the train came from: "telescope CelestronOTC8",
// "FITS light.fits", "option".
struct TrainSources {
    std::string aperture, focalLength, pixelSize, width, height, binning;
};

// The train the options describe, and what it was taken from.
struct ChosenTrain {
    optics::OpticalTrain train;
    std::string telescope; // the catalogue's name, when the tube's figures came from it
    std::string camera; // likewise for the sensor's
    TrainSources sources;
};

// Catalogue entries first, then a FITS header over them, then explicit
// options over both. A missing figure, an unknown name or a sensor smaller
// than one binned pixel throws UsageError naming what to give.
ChosenTrain chooseTrain(const Options& options, const optics::EquipmentCatalogue& catalogue);

// The built-in catalogue with the options' user catalogues added, in their
// order: a later file's entry replaces an earlier one of the same name.
// Warnings (a replaced entry, pixel sizes that disagree) go to `err`.
optics::EquipmentCatalogue loadCatalogue(const Options& options, std::ostream& err);

} // namespace velmora::cli
