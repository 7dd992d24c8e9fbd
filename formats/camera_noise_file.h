#pragma once

#include "optics/read_noise.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace velmora::formats {

// A camera as the exposure calculators of imaging suites describe it in
// XML: <CameraId>, <SensorType> MONOCHROME or COLOR, <CameraPixelSize> in
// micrometres, <CameraQuantumEfficiency> as a share or a percentage, and
// <CameraGainReadMode> elements holding <GainReadNoiseValue> points of
// <Gain> and <ReadNoise> (electrons). The elements may sit under any root;
// prefixes are ignored.
struct CameraNoise {
    std::string id; // empty when the file names none
    std::optional<bool> colour;
    std::optional<double> pixelSize; // micrometres
    std::optional<double> quantumEfficiency; // 0 to 1
    optics::ReadNoiseTable readNoise; // of the first read mode
    std::size_t readModes; // how many the file holds
};

// The camera of `text`. A document type declaration, a camera without a
// read mode or a point, a gain given twice in a mode, a negative gain or
// read noise, an efficiency outside (0, 100] or a sensor type other than
// the two throws InputError "path:line:column: why".
CameraNoise parseCameraNoise(std::string_view text, const std::string& path);

// The file at `path`, read as a regular file (see readRegularFile).
CameraNoise readCameraNoiseFile(const std::string& path);

} // namespace velmora::formats
