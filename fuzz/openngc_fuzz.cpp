// A deep-sky catalogue file of arbitrary bytes: it is either read whole,
// every object found again by its own name (unless an entry before it bears
// that name) and framed with finite margins, or refused with an InputError
// naming the file and line.
#include "formats/input_error.h"
#include "formats/openngc.h"
#include "sky/target_framing.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <set>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    velmora::sky::DeepSkyCatalogue catalogue;
    try {
        velmora::formats::addOpenNgc(catalogue, text, "fuzz.csv");
    } catch (const velmora::formats::InputError& error) {
        if (std::string_view(error.what()).substr(0, 9) != "fuzz.csv:")
            std::abort();
        return 0;
    }
    std::set<std::string> namesBefore;
    for (const velmora::sky::DeepSkyObject& object : catalogue.objects()) {
        const bool first = namesBefore.insert(velmora::sky::designationKey(object.name)).second;
        if (first && object.duplicateOf.empty() && !catalogue.find(object.name))
            std::abort();
        if (const auto shape = velmora::sky::outlineOf(object)) {
            const auto margin = velmora::sky::fitMargin({10, 7}, shape->outline);
            if (!std::isfinite(margin.best) || margin.best < margin.atZero || !(margin.bestAngle >= 0) ||
                margin.bestAngle >= 180)
                std::abort();
        }
    }
    return 0;
}
