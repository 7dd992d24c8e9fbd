#include "plausible_range.h"

#include "calc/number_text.h"

#include <cmath>

namespace velmora::optics {

std::string PlausibleRange::span() const
{
    const std::string from = (lowestExcluded ? "above " : "from ") + formatInput(lowest);
    if (std::isinf(highest))
        return from;
    const char* upTo = highestExcluded ? " to below " : lowestExcluded ? " and up to " : " to ";
    return from + upTo + formatInput(highest);
}

} // namespace velmora::optics
