#include "form1_layout.h"

namespace velmora::ui {

namespace {
constexpr FontSpec georgia {Face::Georgia, 8.25};
constexpr FontSpec georgiaBold {Face::Georgia, 8.25, true};
constexpr FontSpec sansSerif {Face::MsSansSerif, 8.25};
constexpr FontSpec arial {Face::Arial, 8.25};
constexpr FontSpec arialLarge {Face::Arial, 9.75};
constexpr FontSpec none {Face::Arial, 8.25};

using enum ControlKind;
using enum Align;
} // namespace

// clang-format off
const std::array<ControlSpec, 77> kForm1Controls{{
    // name        kind       container  caption                                  left  top   width height font
    {"Frame1",   Frame,     "",       "Parametri da inserire",                 120,    0, 4335, 3015, georgiaBold, Left, RedCaption},
    {"Frame2",   Frame,     "",       "Caratteristiche teoriche",              4560,   0, 5055, 4935, georgiaBold},
    {"Command1", Button,    "",       "CALCOLA",                               120, 3120, 2175,  675, {Face::Georgia, 18.75}},
    {"Command2", Button,    "",       "RESET",                                2400, 3120, 2055,  675, {Face::Georgia, 18}},
    {"Command4", Button,    "",       "Salva Calcolo in C:\\.... .TXT",        120, 3840, 2175,  615, arialLarge},
    {"Command3", Button,    "",       "ESCI",                                 2400, 3840, 2055,  615, {Face::Georgia, 18}},
    {"NomeFile", TextField, "",       "",                                      120, 4560, 4335,  345, arialLarge},
    {"Frame3",   Frame,     "",       "KM/Pixel",                              120, 4920, 9495, 2775, georgiaBold},

    // Frame1: the inputs, on red ground.
    {"Label1",  Label,     "Frame1", "Diametro ottica",                        240,  480, 1575,  255, georgia, Right},
    {"Text1",   TextField, "Frame1", "",                                      1920,  480, 1095,  285, sansSerif, Left, RedGround | BlackText},
    {"Label4",  Label,     "Frame1", "mm",                                    3120,  480,  735,  255, georgia, Center},
    {"Label2",  Label,     "Frame1", "Focale ottica",                          360,  960, 1455,  255, georgia, Right},
    {"Text2",   TextField, "Frame1", "",                                      1920,  960, 1095,  285, sansSerif, Left, RedGround},
    {"Label5",  Label,     "Frame1", "mm",                                    3120,  960,  735,  255, georgia, Center},
    {"Label3",  Label,     "Frame1", "Dimensione pixel",                       240, 1440, 1575,  255, georgia, Right},
    {"Text3",   TextField, "Frame1", "",                                      1920, 1440, 1095,  285, sansSerif, Left, RedGround},
    {"Label6",  Label,     "Frame1", "mM",                                    3240, 1440,  375,  255, {Face::Symbol, 8.25}, Center},
    {"Label19", Label,     "Frame1", "Dimensione sensore",                    1080, 1920, 1695,  255, georgia, Right},
    {"Text14",  TextField, "Frame1", "",                                       240, 2280, 1575,  300, sansSerif, Left, RedGround},
    {"Text22",  TextField, "Frame1", "",                                      1920, 2280, 1575,  300, sansSerif, Left, RedGround},
    {"Label22", Label,     "Frame1", "pixel",                                 3600, 2280,  615,  255, georgia},
    {"Label21", Label,     "Frame1", "Lunghezza",                              360, 2640, 1215,  255, georgia, Center},
    {"Label20", Label,     "Frame1", "Altezza",                               2040, 2640, 1335,  255, georgia, Center},

    // Frame2: the theoretical characteristics.
    {"Label11", Label,     "Frame2", "POTERE RISOLUTIVO  (\")",                960,  480, 2295,  255, georgia, Right},
    {"Text4",   TextField, "Frame2", "",                                      3360,  480, 1575,  315, arial},
    {"Label17", Label,     "Frame2", "CAMPO X PIXEL  (\")",                    840,  960, 2415,  255, georgia, Right},
    {"Text10",  TextField, "Frame2", "",                                      3360,  960, 1575,  315, arial},
    {"Label13", Label,     "Frame2", "MAGNITUDINE CCD",                       1200, 1440, 2055,  255, georgia, Right},
    {"Text6",   TextField, "Frame2", "",                                      3360, 1440, 1575,  315, arial},
    {"Label12", Label,     "Frame2", "MAGNITUDINE VISUALE",                    720, 1920, 2535,  255, georgia, Right},
    {"Text5",   TextField, "Frame2", "",                                      3360, 1920, 1575,  315, arial},
    {"Label18", Label,     "Frame2", "RAPPORTO FOCALE  f/",                   1080, 2400, 2175,  255, georgia, Right},
    {"Text11",  TextField, "Frame2", "",                                      3360, 2400, 1575,  315, arial},
    {"Label14", Label,     "Frame2", "DIAGONALE SENSORE CCD mm",               240, 2880, 3015,  255, georgia, Right},
    {"Text15",  TextField, "Frame2", "",                                      3360, 2880, 1575,  315, arial},
    {"Label7",  Label,     "Frame2", "(",                                     2160, 3360,  135,  735, {Face::Arial, 27.75}},
    {"Label25", Label,     "Frame2", "Lunghezza",                             2280, 3360,  975,  255, georgia, Right},
    {"Text12",  TextField, "Frame2", "",                                      3360, 3360, 1575,  300, arial},
    {"Label23", Label,     "Frame2", "CAMPO SENSORE (')",                      360, 3600, 1815,  255, georgia, Right},
    {"Label24", Label,     "Frame2", "Altezza",                               2520, 3840,  735,  255, georgia, Right},
    {"Text28",  TextField, "Frame2", "",                                      3360, 3840, 1575,  315, arial},
    {"Label8",  Label,     "Frame2", "STIMA PESO TUBO OTTICO SE NEWTON O RIFRATTORE   Kg",
                                                                               120, 4320, 3135,  495, georgia, Right},
    {"Text8",   TextField, "Frame2", "",                                      3360, 4320, 1575,  300, arial},

    // Frame3: kilometres per pixel, left column then right column.
    {"Image1",  Picture,   "Frame3", ":/bodies/Image1.png",                    120,  360,  450,  435, none},
    {"Label26", Label,     "Frame3", "Sole",                                   600,  480,  855,  255, arialLarge, Left, BlackText},
    {"Text13",  TextField, "Frame3", "",                                      1440,  360, 2775,  330, arialLarge},
    {"Image2",  Picture,   "Frame3", ":/bodies/Image2.png",                    120,  840,  435,  450, none},
    {"Label27", Label,     "Frame3", "Mercurio",                               600,  960,  855,  255, arialLarge},
    {"Text18",  TextField, "Frame3", "",                                      1440,  840, 1335,  345, arialLarge},
    {"Text34",  TextField, "Frame3", "",                                      2880,  840, 1335,  360, arialLarge},
    {"Image3",  Picture,   "Frame3", ":/bodies/Image3.png",                    120, 1320,  435,  450, none},
    {"Label28", Label,     "Frame3", "Venere",                                 600, 1440,  855,  255, arialLarge},
    {"Text20",  TextField, "Frame3", "",                                      1440, 1320, 1335,  360, arialLarge},
    {"Text35",  TextField, "Frame3", "",                                      2880, 1320, 1335,  360, arialLarge},
    {"Image4",  Picture,   "Frame3", ":/bodies/Image4.png",                    120, 1800,  435,  450, none},
    {"Label29", Label,     "Frame3", "Luna",                                   600, 1920,  735,  255, arialLarge},
    {"Text21",  TextField, "Frame3", "",                                      1440, 1800, 2775,  360, arialLarge},
    {"Image5",  Picture,   "Frame3", ":/bodies/Image5.png",                    120, 2280,  450,  420, none},
    {"Label30", Label,     "Frame3", "Marte",                                  600, 2400,  735,  255, arialLarge},
    {"Text26",  TextField, "Frame3", "",                                      1440, 2280, 1335,  360, arialLarge},
    {"Text36",  TextField, "Frame3", "",                                      2880, 2280, 1335,  345, arialLarge},
    {"Image6",  Picture,   "Frame3", ":/bodies/Image6.png",                   5400,  360,  450,  435, none},
    {"Label31", Label,     "Frame3", "Giove",                                 5880,  480,  735,  255, arialLarge},
    {"Text29",  TextField, "Frame3", "",                                      6600,  360, 1335,  360, arialLarge},
    {"Text7",   TextField, "Frame3", "",                                      8040,  360, 1335,  375, arialLarge},
    {"Image7",  Picture,   "Frame3", ":/bodies/Image7.png",                   5400,  840,  450,  420, none},
    {"Label32", Label,     "Frame3", "Saturno",                               5880,  960,  855,  255, arialLarge},
    {"Text30",  TextField, "Frame3", "",                                      6600,  840, 2775,  360, arialLarge},
    {"Image8",  Picture,   "Frame3", ":/bodies/Image8.png",                   5400, 1305,  450,  420, none},
    {"Label33", Label,     "Frame3", "Urano",                                 5880, 1440,  855,  255, arialLarge},
    {"Text31",  TextField, "Frame3", "",                                      6600, 1320, 2775,  345, arialLarge},
    {"Image9",  Picture,   "Frame3", ":/bodies/Image9.png",                   5400, 1770,  450,  450, none},
    {"Label34", Label,     "Frame3", "Nettuno",                               5880, 1920,  855,  255, arialLarge},
    {"Text32",  TextField, "Frame3", "",                                      6600, 1800, 2775,  345, arialLarge},
    {"Image10", Picture,   "Frame3", ":/bodies/Image10.png",                  5400, 2250,  450,  450, none},
    {"Label35", Label,     "Frame3", "Plutone",                               5880, 2400,  855,  255, arialLarge},
    {"Text33",  TextField, "Frame3", "",                                      6600, 2280, 2775,  345, arialLarge},
}};
// clang-format on

} // namespace velmora::ui
