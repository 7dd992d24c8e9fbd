#pragma once

#include <string>
#include <string_view>

namespace velmora::files {

// Writes `contents` into an existing device or FIFO at `path`, without ever
// blocking for more than a second and without the process receiving
// SIGPIPE. Throws WriteError when no reader is there, the reader goes away,
// or anything fails.
void writeToDevice(const std::string& path, std::string_view contents);

} // namespace velmora::files
