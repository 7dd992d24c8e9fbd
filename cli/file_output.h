#pragma once

#include <string>
#include <string_view>

namespace velmora::cli {

// Puts `contents` in the file `path` whole or not at all, refusing what is
// not a regular file. Throws OutputError "option: cannot write 'path': why",
// naming the option that gave the path.
void replaceFile(std::string_view option, const std::string& path, std::string_view contents);

} // namespace velmora::cli
