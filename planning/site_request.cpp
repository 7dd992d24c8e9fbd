#include "site_request.h"

namespace velmora::planning {

std::optional<sky::Observation> observationOf(const SiteRequest& request, const FilterBand& band)
{
    if (!request.site)
        return std::nullopt;
    const sky::Atmosphere air {request.pressure.value_or(sky::standardPressure(request.site->elevation)),
        request.temperature, request.humidity / 100};
    return sky::Observation {*request.site, air, request.minAltitude, band.shortest, band.longest, request.altAzMount,
        request.darkness, request.horizon, request.moonAvoidance};
}

} // namespace velmora::planning
