#include "form1_accessibility.h"

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

// What each control is called aloud: its labels as the window reads, then
// its unit in words. Buttons say their caption, which Qt already gives them.
// clang-format off
constexpr std::array<Spoken, 39> kSpoken {{
    {"Text1", "Diametro ottica, mm"},
    {"Text2", "Focale ottica, mm"},
    {"Text3", "Dimensione pixel, micron"},
    {"Text14", "Dimensione sensore, Lunghezza, pixel"},
    {"Text22", "Dimensione sensore, Altezza, pixel"},
    {"Text4", "Potere risolutivo, secondi d'arco"},
    {"Text10", "Campo per pixel, secondi d'arco"},
    {"Text6", "Magnitudine CCD"},
    {"Text5", "Magnitudine visuale"},
    {"Text11", "Rapporto focale"},
    {"Text15", "Diagonale sensore CCD, mm"},
    {"Text12", "Campo sensore, Lunghezza, primi d'arco"},
    {"Text28", "Campo sensore, Altezza, primi d'arco"},
    {"Text8", "Stima peso tubo ottico se Newton o rifrattore, kg"},
    {"Text13", "Sole, km per pixel"},
    {"Text18", "Mercurio, distanza minima, km per pixel"},
    {"Text34", "Mercurio, distanza massima, km per pixel"},
    {"Text20", "Venere, distanza minima, km per pixel"},
    {"Text35", "Venere, distanza massima, km per pixel"},
    {"Text21", "Luna, km per pixel"},
    {"Text26", "Marte, distanza minima, km per pixel"},
    {"Text36", "Marte, distanza massima, km per pixel"},
    {"Text29", "Giove, distanza minima, km per pixel"},
    {"Text7", "Giove, distanza massima, km per pixel"},
    {"Text30", "Saturno, km per pixel"},
    {"Text31", "Urano, km per pixel"},
    {"Text32", "Nettuno, km per pixel"},
    {"Text33", "Plutone, km per pixel"},
    {"NomeFile", "Nome del file del calcolo"},
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
    for (const Spoken& spoken : kSpoken) {
        QWidget* widget = controls.value(toQString(spoken.control));
        widget->setAccessibleName(toQString(spoken.name));
        widget->setAccessibleDescription(toQString(frameCaption(spoken.control)));
    }
}

} // namespace velmora::ui
