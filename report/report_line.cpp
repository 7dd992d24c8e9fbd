#include "report_line.h"

namespace velmora {

namespace {
constexpr ReportPiece caption(std::string_view label)
{
    return {ReportPiece::Kind::Caption, label};
}
constexpr ReportPiece field(std::string_view control)
{
    return {ReportPiece::Kind::FieldText, control};
}
} // namespace

const std::array<ReportPiece, 33> kReportPieces {{
    caption("Label1"),
    field("Text1"),
    caption("Label4"),
    caption("Label2"),
    field("Text2"),
    caption("Label5"),
    caption("Label3"),
    field("Text3"),
    caption("Label6"),
    caption("Label19"),
    caption("Label21"),
    caption("Label22"),
    field("Text14"),
    caption("Label19"),
    caption("Label20"),
    caption("Label22"),
    field("Text22"),
    caption("Label11"),
    field("Text4"),
    caption("Label17"),
    field("Text10"),
    caption("Label13"),
    field("Text6"),
    caption("Label18"),
    field("Text11"),
    caption("Label14"),
    field("Text15"),
    caption("Label23"),
    caption("Label25"),
    field("Text12"),
    caption("Label23"),
    caption("Label24"),
    field("Text28"),
}};

std::string buildReportLine(const Fields& fields)
{
    std::string line;
    line.reserve(320);
    for (const ReportPiece& piece : kReportPieces) {
        line += piece.kind == ReportPiece::Kind::Caption ? fields.caption(piece.control) : fields.text(piece.control);
    }
    return line;
}

} // namespace velmora
