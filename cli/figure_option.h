#pragma once

#include "planning/figures.h"
#include "read_option.h"

#include <CLI/CLI.hpp>

#include <functional>
#include <string>
#include <string_view>

namespace velmora::cli {

// How a refusal names a figure: "the read noise".
std::string_view figureNoun(planning::FigureId id);

// A reader of a figure's value: a finite number, whole where the figure
// is, within its bounds; a refusal names the figure and says its bounds.
std::function<double(const std::string&)> figureReader(planning::FigureId id);

// Refuses a figure's value outside its bounds: "the latitude 95 is not
// from -90 to 90".
void requireWithin(double value, planning::FigureId id);

// `help` followed by the figure's default and bounds: "Barlow factor
// (default 1; above 0)".
std::string figureHelp(planning::FigureId id, const std::string& help);

// The option of a figure of the table, under the table's name.
template <typename Target>
CLI::Option* figureOption(
    CLI::App& app, planning::FigureId id, Target& target, const std::string& help, const char* metavar)
{
    return readOption(
        app, std::string(planning::figure(id).option), target, figureReader(id), figureHelp(id, help), metavar);
}

} // namespace velmora::cli
