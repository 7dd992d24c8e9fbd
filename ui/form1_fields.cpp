#include "form1_fields.h"

#include <algorithm>
#include <stdexcept>
#include <string>

namespace velmora::ui {

// clang-format off
const std::array<Form1Field, 29> kForm1Fields {{
    // id                             control     tab  spoken                                                report labels                           unit
    {"aperture",                      "Text1",     1, "Diametro ottica, mm",                                 {"Label1"},                              "Label4"},
    {"focal_length",                  "Text2",     2, "Focale ottica, mm",                                   {"Label2"},                              "Label5"},
    {"pixel_size",                    "Text3",     3, "Dimensione pixel, micron",                            {"Label3"},                              "Label6"},
    {"sensor_width",                  "Text14",   12, "Dimensione sensore, Lunghezza, pixel",                {"Label19", "Label21", "Label22"},       ""},
    {"sensor_height",                 "Text22",   13, "Dimensione sensore, Altezza, pixel",                  {"Label19", "Label20", "Label22"},       ""},
    {"resolving_power",               "Text4",     5, "Potere risolutivo, secondi d'arco",                   {"Label11"},                             ""},
    {"pixel_field",                   "Text10",    8, "Campo per pixel, secondi d'arco",                     {"Label17"},                             ""},
    {"ccd_limiting_magnitude",        "Text6",     7, "Magnitudine CCD",                                     {"Label13"},                             ""},
    {"focal_ratio",                   "Text11",    9, "Rapporto focale",                                     {"Label18"},                             ""},
    {"sensor_diagonal",               "Text15",   10, "Diagonale sensore CCD, mm",                           {"Label14"},                             ""},
    {"sensor_field_width",            "Text12",   15, "Campo sensore, Lunghezza, primi d'arco",              {"Label23", "Label25"},                  ""},
    {"sensor_field_height",           "Text28",   14, "Campo sensore, Altezza, primi d'arco",                {"Label23", "Label24"},                  ""},
    {"visual_limiting_magnitude",     "Text5",     6, "Magnitudine visuale",                                 {},                                      ""},
    {"tube_weight",                   "Text8",    30, "Stima peso tubo ottico se Newton o rifrattore, kg",   {},                                      ""},
    {"km_per_pixel_sun",              "Text13",   16, "Sole, km per pixel",                                  {},                                      ""},
    {"km_per_pixel_mercury_near",     "Text18",   17, "Mercurio, distanza minima, km per pixel",             {},                                      ""},
    {"km_per_pixel_mercury_far",      "Text34",   26, "Mercurio, distanza massima, km per pixel",            {},                                      ""},
    {"km_per_pixel_venus_near",       "Text20",   18, "Venere, distanza minima, km per pixel",               {},                                      ""},
    {"km_per_pixel_venus_far",        "Text35",   27, "Venere, distanza massima, km per pixel",              {},                                      ""},
    {"km_per_pixel_moon",             "Text21",   19, "Luna, km per pixel",                                  {},                                      ""},
    {"km_per_pixel_mars_near",        "Text26",   20, "Marte, distanza minima, km per pixel",                {},                                      ""},
    {"km_per_pixel_mars_far",         "Text36",   28, "Marte, distanza massima, km per pixel",               {},                                      ""},
    {"km_per_pixel_jupiter_near",     "Text29",   21, "Giove, distanza minima, km per pixel",                {},                                      ""},
    {"km_per_pixel_jupiter_far",      "Text7",    31, "Giove, distanza massima, km per pixel",               {},                                      ""},
    {"km_per_pixel_saturn",           "Text30",   22, "Saturno, km per pixel",                               {},                                      ""},
    {"km_per_pixel_uranus",           "Text31",   23, "Urano, km per pixel",                                 {},                                      ""},
    {"km_per_pixel_neptune",          "Text32",   24, "Nettuno, km per pixel",                               {},                                      ""},
    {"km_per_pixel_pluto",            "Text33",   25, "Plutone, km per pixel",                               {},                                      ""},
    {"file_name",                     "NomeFile", 33, "Nome del file del calcolo",                           {},                                      ""},
}};
// clang-format on

const Form1Field& form1Field(std::string_view id)
{
    const auto found = std::ranges::find(kForm1Fields, id, &Form1Field::id);
    if (found == kForm1Fields.end())
        throw std::out_of_range("the main window has no field for " + std::string(id));
    return *found;
}

} // namespace velmora::ui
