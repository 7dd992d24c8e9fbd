#pragma once

#include "formats/input_error.h"

#include <CLI/CLI.hpp>

#include <string>

namespace velmora::cli {

// A reading as a CLI11 check, so that a refusal comes before anything runs,
// in the reader's own words.
template <typename Read> CLI::Validator checkedBy(Read read)
{
    return CLI::Validator(
        [read](std::string& text) -> std::string {
            try {
                read(text);
                return {};
            } catch (const formats::InputError& error) {
                return error.what();
            }
        },
        "", "reads");
}

// An option whose text `read` turns into its value, or refuses.
template <typename Target, typename Read>
CLI::Option* readOption(
    CLI::App& app, const std::string& name, Target& target, Read read, const std::string& help, const char* unit)
{
    return app
        .add_option_function<std::string>(
            name, [&target, read](const std::string& text) { target = read(text); }, help)
        ->check(checkedBy(read))
        ->type_name(unit);
}

} // namespace velmora::cli
