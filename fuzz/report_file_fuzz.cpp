// The report file's bytes over arbitrary pieces: the pieces in order, then
// CR LF; the Windows-1252 form is never longer and leaves ASCII alone.
#include "report/report_file.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::vector<std::string> pieces;
    std::string line;
    std::string_view rest(reinterpret_cast<const char*>(data), size);
    while (!rest.empty() && pieces.size() < 64) {
        const auto end = rest.find('\x1F');
        pieces.emplace_back(rest.substr(0, end));
        line += pieces.back();
        rest = end == std::string_view::npos ? std::string_view {} : rest.substr(end + 1);
    }
    const std::string bytes = velmora::reportFileBytes(pieces);
    if (bytes.size() < 2 || bytes.size() > line.size() + 2 || !bytes.ends_with("\r\n"))
        std::abort();
    const bool ascii =
        std::all_of(line.begin(), line.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
    if (ascii && bytes != line + "\r\n")
        std::abort();
    return 0;
}
