#pragma once

#include "options.h"

#include <CLI/CLI.hpp>

namespace velmora::cli {

// --target, --overlap, --suggest and its filters, added to `app`.
struct DeepSkyOptionSet {
    CLI::Option* target;
    CLI::Option* overlap;
    CLI::Option* suggest;
    std::vector<CLI::Option*> filters; // what only --suggest takes
};
DeepSkyOptionSet describeDeepSkyOptions(CLI::App& app, Options& options);

} // namespace velmora::cli
