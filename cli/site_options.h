#pragma once

#include "sky/site_view.h"

#include <CLI/CLI.hpp>

#include <string>
#include <vector>

namespace velmora::cli {

// Adds the options to `app` and returns --site; each other needs --site,
// and --site needs `date`. What the horizon file's reading warns of goes to
// `warnings`.
CLI::Option* describeSiteOptions(
    CLI::App& app, sky::Observation& site, CLI::Option* date, std::vector<std::string>& warnings);

} // namespace velmora::cli
