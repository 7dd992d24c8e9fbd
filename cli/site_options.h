#pragma once

#include "planning/site_request.h"

#include <CLI/CLI.hpp>

#include <string>
#include <vector>

namespace velmora::cli {

// Adds the options to `app`; each but --site needs --site, and --site needs
// `date`. What the horizon file's reading warns of goes to `warnings`.
void describeSiteOptions(
    CLI::App& app, planning::SiteRequest& site, CLI::Option* date, std::vector<std::string>& warnings);

} // namespace velmora::cli
