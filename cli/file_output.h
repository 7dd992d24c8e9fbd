#pragma once

#include <string>
#include <string_view>

namespace velmora::cli {

// Puts `contents` in the file `path` whole or not at all: written to a new
// file in the same folder, then renamed over the old one, whose permissions
// it keeps; through a symbolic link, its target is replaced. A path that
// names something other than a regular file (a FIFO, a device, a folder) is
// refused rather than waited on, and a write-protected file is kept. Throws OutputError
// "option: cannot write 'path': why", naming the option that gave the path;
// on failure the old file is left as it was.
void replaceFile(std::string_view option, const std::string& path, std::string_view contents);

} // namespace velmora::cli
