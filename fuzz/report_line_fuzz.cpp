// The report line over arbitrary field texts and captions: it is the pieces
// in order, and its Windows-1252 form is never longer and leaves ASCII alone.
#include "calc/memory_fields.h"
#include "report/report_line.h"
#include "report/windows1252.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <set>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // Each label and field takes the first text meant for it: a label that
    // stands twice in the line shows one caption, as in the window.
    velmora::MemoryFields fields;
    std::set<std::string_view> given;
    std::string_view rest(reinterpret_cast<const char*>(data), size);
    for (const auto& piece : velmora::kReportPieces) {
        const auto end = rest.find('\x1F');
        const std::string_view text = rest.substr(0, end);
        rest = end == std::string_view::npos ? std::string_view {} : rest.substr(end + 1);
        if (!given.insert(piece.control).second)
            continue;
        if (piece.kind == velmora::ReportPiece::Kind::Caption)
            fields.setCaption(piece.control, text);
        else
            fields.setText(piece.control, text);
    }
    std::string expected;
    for (const auto& piece : velmora::kReportPieces) {
        expected += piece.kind == velmora::ReportPiece::Kind::Caption ? fields.caption(piece.control)
                                                                      : fields.text(piece.control);
    }
    const std::string line = velmora::buildReportLine(fields);
    if (line != expected)
        std::abort();
    const std::string bytes = velmora::toWindows1252(line);
    if (bytes.size() > line.size())
        std::abort();
    const bool ascii =
        std::all_of(line.begin(), line.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
    if (ascii && bytes != line)
        std::abort();
    return 0;
}
