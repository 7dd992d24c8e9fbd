#pragma once

#include "formats/camera_noise_file.h"

#include <optional>

namespace velmora::planning {

// The filter's band: the light the exposure counts and the colours the
// atmosphere spreads apart. A luminance filter by default.
struct FilterBand {
    double shortest = 400; // nm
    double longest = 700;
    double width() const { return longest - shortest; }
};

// What the exposure is worked out from, as given; what is not given takes
// the camera file's figure, else the default here.
struct ExposureRequest {
    std::optional<double> sqm; // the sky's brightness, magnitudes a square arcsecond
    std::optional<double> quantumEfficiency; // 0 to 1
    double transmission = 0.9; // of the optics
    std::optional<double> obstruction; // a share of the aperture below 1, else millimetres
    double noiseIncrease = 0.05; // what read noise may add to the sky's noise
    std::optional<double> fullWell; // electrons
    std::optional<double> readNoise; // electrons
    std::optional<formats::CameraNoise> camera; // read noise by gain, sensor type and efficiency
    std::optional<double> gain; // where the camera's table is read
    double darkCurrent = 0; // electrons a pixel a second
    double snr = 10; // the signal-to-noise a pixel of the target should reach
    std::optional<double> surfaceBrightness; // the target's, magnitudes a square arcsecond
    bool colour = false; // a Bayer sensor
};

} // namespace velmora::planning
