#pragma once

#include <stdexcept>

namespace velmora::formats {

// Input that cannot be used as given: a file that cannot be read, a line or
// a text that does not say what it should. The message names the place
// ("file:line: ...") and the fault, in one line.
struct InputError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

} // namespace velmora::formats
