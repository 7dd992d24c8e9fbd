// A horizon file of arbitrary bytes: it is either refused with an
// InputError naming the file and line, or read into a profile of at least
// two points, sorted by azimuth, whose altitude anywhere lies between its
// lowest and highest point.
#include "formats/horizon_file.h"
#include "formats/input_error.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    try {
        const velmora::sky::HorizonProfile profile = velmora::formats::parseHorizon(text, "fuzz.hrz");
        const auto& points = profile.points();
        if (points.empty() || !std::ranges::is_sorted(points, {}, &velmora::sky::HorizonPoint::azimuth))
            std::abort();
        const auto [lowest, highest] = std::ranges::minmax(points, {}, &velmora::sky::HorizonPoint::altitude);
        for (double azimuth = -720; azimuth <= 720; azimuth += 7.3) {
            const double altitude = profile.altitudeAt(azimuth);
            if (!(altitude >= lowest.altitude && altitude <= highest.altitude))
                std::abort();
        }
    } catch (const velmora::formats::InputError& error) {
        if (std::string_view(error.what()).substr(0, 9) != "fuzz.hrz:")
            std::abort();
    }
    return 0;
}
