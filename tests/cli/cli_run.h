#pragma once

#include "cli/run.h"

#include <sstream>
#include <string>
#include <vector>

namespace velmora::cli {

// What one velmora-calc invocation gave.
struct Invocation {
    int status;
    std::string out;
    std::string err;
};

// The arguments with more after them.
inline std::vector<std::string> with(std::vector<std::string> args, const std::vector<std::string>& more)
{
    args.insert(args.end(), more.begin(), more.end());
    return args;
}

inline Invocation invoke(std::vector<std::string> args)
{
    args.insert(args.begin(), "velmora-calc");
    std::vector<const char*> argv;
    for (const std::string& arg : args)
        argv.push_back(arg.c_str());
    std::ostringstream out, err;
    const int status = run(static_cast<int>(argv.size()), argv.data(), out, err);
    return {status, out.str(), err.str()};
}

} // namespace velmora::cli
