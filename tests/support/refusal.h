#pragma once

#include "formats/input_error.h"

#include <string>

namespace velmora {

// The message an input was refused with, or "(accepted)" when it was not.
template <typename Reading> std::string refusalOf(Reading reading)
{
    try {
        reading();
    } catch (const formats::InputError& error) {
        return error.what();
    }
    return "(accepted)";
}

} // namespace velmora
