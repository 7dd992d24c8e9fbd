#include "plausible_range.h"

#include "calc/number_text.h"

namespace velmora::optics {

std::string PlausibleRange::refusal() const
{
    return lowestExcluded ? "is not above " + formatInput(lowest) + " and up to " + formatInput(highest)
                          : "is not from " + formatInput(lowest) + " to " + formatInput(highest);
}

} // namespace velmora::optics
