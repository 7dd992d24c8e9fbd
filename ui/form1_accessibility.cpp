#include "form1_accessibility.h"

#include "form1_fields.h"
#include "form1_layout.h"
#include "utf8.h"

#include <QWidget>

#include <algorithm>
#include <array>

namespace velmora::ui {

namespace {

struct Spoken {
    std::string_view control;
    std::string_view name;
};

// What each body's picture is called aloud; the fields' names are in their
// table, and buttons say their caption, which Qt already gives them.
// clang-format off
constexpr std::array<Spoken, 10> kSpokenPictures {{
    {"Image1", "Sole"},
    {"Image2", "Mercurio"},
    {"Image3", "Venere"},
    {"Image4", "Luna"},
    {"Image5", "Marte"},
    {"Image6", "Giove"},
    {"Image7", "Saturno"},
    {"Image8", "Urano"},
    {"Image9", "Nettuno"},
    {"Image10", "Plutone"},
}};
// clang-format on

std::string_view frameCaption(std::string_view control)
{
    const auto row = std::ranges::find(kForm1Controls, control, &ControlSpec::name);
    if (row == kForm1Controls.end() || row->container.empty())
        return {};
    return std::ranges::find(kForm1Controls, row->container, &ControlSpec::name)->caption;
}

} // namespace

void describeForScreenReaders(const QHash<QString, QWidget*>& controls)
{
    const auto describe = [&controls](std::string_view control, std::string_view name) {
        QWidget* widget = controls.value(toQString(control));
        widget->setAccessibleName(toQString(name));
        widget->setAccessibleDescription(toQString(frameCaption(control)));
    };
    for (const Form1Field& field : kForm1Fields)
        describe(field.control, field.spoken);
    for (const Spoken& picture : kSpokenPictures)
        describe(picture.control, picture.name);
}

} // namespace velmora::ui
