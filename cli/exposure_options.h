#pragma once

#include "options.h"

#include <CLI/CLI.hpp>

#include <vector>

namespace velmora::cli {

// The filter's band, the exposure's figures and the suggestions' order,
// added to `app`. The figures are read into `exposure`; any of them given
// asks for the exposure.
struct ExposureOptionSet {
    std::vector<CLI::Option*> figures;
    CLI::Option* surfaceBrightness;
    CLI::Option* rankBy;
};
ExposureOptionSet describeExposureOptions(CLI::App& app, Options& options, planning::ExposureRequest& exposure);

// Whether any figure of the exposure was given.
bool isExposureAsked(const ExposureOptionSet& set);

} // namespace velmora::cli
