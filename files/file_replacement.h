#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace velmora::files {

// A file that could not be written; what() says why ("it is a folder",
// "No space left on device").
struct WriteError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// What to do with a path that names something other than a regular file or
// a folder: a device or a FIFO.
enum class OtherFiles {
    Refuse, // rather than wait on it
    WriteInPlace, // without waiting more than a second for a reader, and without SIGPIPE
};

// Puts `contents` in the file `path` whole or not at all: written to a new
// file in the same folder, flushed to disk, then renamed over the old one,
// whose permission bits it keeps. Through a symbolic link, however many
// links on, its target is replaced and the link stays. A folder, an empty
// path or one holding NUL is refused, and so is a write-protected file,
// even for the superuser. Throws WriteError; on failure the old file is
// left as it was and nothing is left behind.
void replaceFile(const std::string& path, std::string_view contents, OtherFiles others = OtherFiles::Refuse);

} // namespace velmora::files
