// A camera file of arbitrary bytes: it is either refused with an
// InputError naming the file and place, or read into a table of at least
// one point, by strictly rising gain, with no negative figure, which gives
// each point's own read noise at its gain and, between two points, a value
// between theirs.
#include "formats/camera_noise_file.h"
#include "formats/input_error.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {

void check(const velmora::formats::CameraNoise& camera)
{
    const auto& points = camera.readNoise.points();
    if (points.empty() || camera.readModes == 0)
        std::abort();
    if (camera.quantumEfficiency && !(*camera.quantumEfficiency > 0 && *camera.quantumEfficiency <= 1))
        std::abort();
    for (std::size_t i = 0; i < points.size(); ++i) {
        if (points[i].gain < 0 || points[i].readNoise < 0 || camera.readNoise.at(points[i].gain) != points[i].readNoise)
            std::abort();
        if (i == 0)
            continue;
        if (!(points[i - 1].gain < points[i].gain))
            std::abort();
        const double between = camera.readNoise.at(points[i - 1].gain / 2 + points[i].gain / 2).value_or(-1);
        const auto [low, high] = std::minmax(points[i - 1].readNoise, points[i].readNoise);
        if (!(between >= low && between <= high))
            std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    try {
        check(velmora::formats::parseCameraNoise(text, "fuzz.xml"));
    } catch (const velmora::formats::InputError& error) {
        if (std::string_view(error.what()).substr(0, 9) != "fuzz.xml:")
            std::abort();
    }
    return 0;
}
