#include "plausible_range.h"

#include "calc/number_text.h"

namespace velmora::optics {

std::string PlausibleRange::span() const
{
    return (lowestExcluded ? "above " : "from ") + formatInput(lowest) + (lowestExcluded ? " and up to " : " to ") +
        formatInput(highest);
}

} // namespace velmora::optics
