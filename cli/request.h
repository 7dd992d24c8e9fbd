#pragma once

#include <optional>
#include <string>

namespace velmora::cli {

enum class Format { Text, Json, Csv };

// What the command line asks for. Numbers stay texts until they are used,
// so that an error names the option it came with.
struct Request {
    std::optional<std::string> aperture; // --aperture, mm
    std::optional<std::string> focalLength; // --focal-length, mm
    std::optional<std::string> pixelSize; // --pixel-size, micrometres
    std::optional<std::string> width; // --width, pixels
    std::optional<std::string> height; // --height, pixels
    std::string telescope;
    std::string camera;
    std::string fits;
    std::string barlow = "1";
    std::string binning = "1";
    bool binningGiven = false;
    std::optional<std::string> seeing; // star FWHM, arcseconds
    std::string wavelength = "550"; // nm
    std::string samplingRule = "2-3";
    Format format = Format::Text;
    std::string list; // "telescopes" or "cameras"
    bool sweep = false;
    std::string sortBy;
    std::string catalogue;
    std::string date; // --date: the bodies on that date
    std::string frame; // --frame: the body to picture
    std::string svg; // --svg: where the picture goes
};

} // namespace velmora::cli
