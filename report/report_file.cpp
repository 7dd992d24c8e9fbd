#include "report_file.h"

#include "windows1252.h"

namespace velmora {

std::string reportFileBytes(std::span<const std::string> pieces)
{
    std::string line;
    for (const std::string& piece : pieces)
        line += piece;
    return toWindows1252(line) + "\r\n";
}

} // namespace velmora
