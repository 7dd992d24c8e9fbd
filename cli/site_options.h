#pragma once

#include "planning/site_request.h"

#include <CLI/CLI.hpp>

namespace velmora::cli {

// Adds the options to `app`; each but --site needs --site, and --site needs `date`.
void describeSiteOptions(CLI::App& app, planning::SiteRequest& site, CLI::Option* date);

} // namespace velmora::cli
