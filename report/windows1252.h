#pragma once

#include <string>
#include <string_view>

namespace velmora {

// UTF-8 text as Windows-1252 bytes, one byte per character; a character the
// code page lacks, or a byte that is not valid UTF-8, becomes "?".
std::string toWindows1252(std::string_view utf8);

} // namespace velmora
