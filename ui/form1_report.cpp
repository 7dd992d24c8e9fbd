#include "form1_report.h"

#include "form1_fields.h"
#include "form1_layout.h"

#include <algorithm>

namespace velmora::ui {

namespace {

std::string_view layoutCaption(std::string_view label)
{
    const auto row = std::ranges::find(kForm1Controls, label, &ControlSpec::name);
    return row != kForm1Controls.end() ? row->caption : std::string_view {};
}

} // namespace

std::vector<std::string> form1ReportPieces(const std::function<std::string(std::string_view field)>& fieldText)
{
    std::vector<std::string> pieces;
    for (const Form1Field& field : kForm1Fields) {
        if (field.reportLabels[0].empty())
            continue;
        for (const std::string_view label : field.reportLabels) {
            if (!label.empty())
                pieces.emplace_back(layoutCaption(label));
        }
        pieces.push_back(fieldText(field.control));
        if (!field.reportUnit.empty())
            pieces.emplace_back(layoutCaption(field.reportUnit));
    }
    return pieces;
}

} // namespace velmora::ui
