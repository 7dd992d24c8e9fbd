#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace velmora::ui {

// The pieces of the report line, in the order they are written: each label
// caption as the layout table gives it, each field's text as `fieldText`
// returns it. A caption stands right before its value; the two-line headings
// are spelled out before each of their values.
std::vector<std::string> form1ReportPieces(const std::function<std::string(std::string_view field)>& fieldText);

} // namespace velmora::ui
