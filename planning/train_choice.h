#pragma once

#include "optics/equipment_catalogue.h"
#include "optics/optical_train.h"
#include "request.h"

#include <string>

namespace velmora::planning {

// Where one figure of the train came from: "telescope CelestronOTC8",
// "FITS light.fits", "option", "default".
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

// Catalogue entries first, then a FITS header over them, then the
// request's own figures over both. A missing figure, an unknown name or a
// sensor smaller than one binned pixel throws Refusal.
ChosenTrain chooseTrain(const Request& request, const optics::EquipmentCatalogue& catalogue);

// A catalogue telescope with a catalogue camera, with the request's barlow and binning.
optics::OpticalTrain trainOf(const optics::Telescope& telescope, const optics::Camera& camera, const Request& request);

} // namespace velmora::planning
