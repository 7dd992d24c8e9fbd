#pragma once

#include "sky/site_view.h"

#include <CLI/CLI.hpp>

#include <optional>

namespace velmora::cli {

// --site and what goes with it, as given; read into an observation once the
// command line is parsed, when the site's elevation sets the default pressure.
struct SiteOptions {
    std::optional<sky::GeoSite> site;
    std::optional<double> pressure; // hPa
    double temperature = 10; // degrees Celsius
    double humidity = 50; // percent
    double minAltitude = 30; // degrees
    double shortest = 400; // nm
    double longest = 700;
    bool altAzMount = false;

    std::optional<sky::Observation> observation() const;
};

// Adds the options to `app`; each but --site needs --site, and --site needs `date`.
void describeSiteOptions(CLI::App& app, SiteOptions& site, CLI::Option* date);

} // namespace velmora::cli
