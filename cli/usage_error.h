#pragma once

#include "formats/text_file.h"

#include <stdexcept>
#include <string>
#include <vector>

namespace velmora::cli {

// A command line that cannot be followed: reported in one line on standard
// error, with exit status 2 and nothing on standard output.
struct UsageError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// What a refusal offers for a misspelt name: " (did you mean A, B?)", or
// nothing when no name is near.
inline std::string didYouMean(const std::vector<std::string>& closest)
{
    std::string offer;
    for (const std::string& name : closest)
        offer += (offer.empty() ? " (did you mean " : ", ") + formats::printable(name);
    return offer.empty() ? offer : offer + "?)";
}

} // namespace velmora::cli
