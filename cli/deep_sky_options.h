#pragma once

#include "options.h"

#include <CLI/CLI.hpp>

namespace velmora::cli {

// The options the deep-sky ones go with or exclude.
struct OtherOptions {
    CLI::Option* date;
    CLI::Option* frame; // which may name a deep-sky object too
    CLI::Option* svg;
    CLI::Option* list;
    CLI::Option* sweep;
    CLI::Option* sortBy;
    CLI::Option* seeing;
    CLI::Option* exportFormat;
};

// --target, --overlap, --suggest and its filters, added to `app` with what
// they exclude.
struct DeepSkyOptionSet {
    CLI::Option* target;
    CLI::Option* overlap;
    CLI::Option* suggest;
    std::vector<CLI::Option*> filters; // what only --suggest takes
    CLI::Option* minHours;
    CLI::Option* frame;
};
DeepSkyOptionSet describeDeepSkyOptions(CLI::App& app, Options& options, const OtherOptions& others);

// What CLI11 cannot say, as it depends on what an option's value names;
// throws UsageError.
void checkDeepSkyCombinations(const Options& options, const DeepSkyOptionSet& deepSky);

} // namespace velmora::cli
