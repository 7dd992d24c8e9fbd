#pragma once

#include "calc/fields.h"

#include <array>
#include <string>
#include <string_view>

namespace velmora {

// One piece of the report line: a label's caption or a field's text.
struct ReportPiece {
    enum class Kind { Caption, FieldText };
    Kind kind;
    std::string_view control;
};

// The 33 pieces, in the order they are written: each caption stands right
// before its value; the two-line headings are spelled out before each value.
extern const std::array<ReportPiece, 33> kReportPieces;

// The report line (UTF-8, without its line end), as the window shows it now.
std::string buildReportLine(const Fields& fields);

} // namespace velmora
