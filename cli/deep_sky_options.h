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
    CLI::Option* frame = nullptr; // --frame, which may name a deep-sky object too
};
DeepSkyOptionSet describeDeepSkyOptions(CLI::App& app, Options& options);

} // namespace velmora::cli
