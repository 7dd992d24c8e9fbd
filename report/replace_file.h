#pragma once

#include <string_view>

namespace velmora {

// Makes the file at `path` (UTF-8, used exactly as given, relative to the
// current directory) hold exactly `bytes`, written in one write. Returns false
// on any failure, and a failure never harms what was there before:
// - a regular file, or no file yet: the bytes go to a new temporary file in
//   the same folder, which then replaces the target, keeping the old file's
//   permission bits; a target we may not write to is left alone;
// - anything else that exists (a device, a FIFO): written in place, never replaced.
// No temporary file outlives the call.
bool replaceFileContents(std::string_view path, std::string_view bytes) noexcept;

} // namespace velmora
