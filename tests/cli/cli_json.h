#pragma once

#include "cli_run.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <cmath>
#include <string_view>

namespace velmora::cli {

using Json = nlohmann::json;

// The JSON answer of a run that must succeed.
inline Json jsonOf(const std::vector<std::string>& args)
{
    const Invocation run = invoke(with(args, {"--format", "json"}));
    EXPECT_EQ(run.status, 0) << run.err;
    return Json::parse(run.out);
}

// A result of a JSON answer by its id; NaN when it is not there.
inline double resultOf(const Json& document, std::string_view id)
{
    for (const Json& r : document["results"]) {
        if (r["id"] == id)
            return r["value"];
    }
    return std::nan("");
}

} // namespace velmora::cli
