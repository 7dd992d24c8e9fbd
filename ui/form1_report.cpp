#include "form1_report.h"

#include "form1_layout.h"

#include <algorithm>
#include <array>

namespace velmora::ui {

namespace {

struct Piece {
    enum class Kind { Caption, FieldText };
    Kind kind;
    std::string_view control;
};

constexpr Piece caption(std::string_view label)
{
    return {Piece::Kind::Caption, label};
}
constexpr Piece field(std::string_view control)
{
    return {Piece::Kind::FieldText, control};
}

// clang-format off
constexpr std::array<Piece, 33> kPieces {{
    caption("Label1"), field("Text1"), caption("Label4"),
    caption("Label2"), field("Text2"), caption("Label5"),
    caption("Label3"), field("Text3"), caption("Label6"),
    caption("Label19"), caption("Label21"), caption("Label22"), field("Text14"),
    caption("Label19"), caption("Label20"), caption("Label22"), field("Text22"),
    caption("Label11"), field("Text4"),
    caption("Label17"), field("Text10"),
    caption("Label13"), field("Text6"),
    caption("Label18"), field("Text11"),
    caption("Label14"), field("Text15"),
    caption("Label23"), caption("Label25"), field("Text12"),
    caption("Label23"), caption("Label24"), field("Text28"),
}};
// clang-format on

std::string_view layoutCaption(std::string_view label)
{
    const auto row = std::ranges::find(kForm1Controls, label, &ControlSpec::name);
    return row != kForm1Controls.end() ? row->caption : std::string_view {};
}

} // namespace

std::vector<std::string> form1ReportPieces(const std::function<std::string(std::string_view field)>& fieldText)
{
    std::vector<std::string> pieces;
    pieces.reserve(kPieces.size());
    for (const Piece& piece : kPieces) {
        pieces.push_back(
            piece.kind == Piece::Kind::Caption ? std::string(layoutCaption(piece.control)) : fieldText(piece.control));
    }
    return pieces;
}

} // namespace velmora::ui
