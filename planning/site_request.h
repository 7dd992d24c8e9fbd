#pragma once

#include "exposure_request.h"
#include "sky/site_view.h"

#include <optional>

namespace velmora::planning {

// A site and what goes with it, as given: the air's defaults are the ones
// people image in, the pressure the standard atmosphere's at the site's
// elevation unless given.
struct SiteRequest {
    std::optional<sky::GeoSite> site;
    std::optional<double> pressure; // hPa
    double temperature = 10; // degrees Celsius
    double humidity = 50; // percent
    double minAltitude = 30; // degrees
    bool altAzMount = false;
    std::optional<sky::Darkness> darkness; // none for each kind's own
    sky::HorizonProfile horizon;
    sky::MoonAvoidance moonAvoidance;
};

// The observation a site request describes through the filter's band; none
// without a site.
std::optional<sky::Observation> observationOf(const SiteRequest& request, const FilterBand& band = {});

} // namespace velmora::planning
