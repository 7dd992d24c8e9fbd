#pragma once

#include <array>
#include <string_view>

namespace velmora::ui {

// The main window's controls as a table, positions in twips (15 to a pixel
// at 96 dpi), Left and Top measured from the container's outer corner.

enum class ControlKind { Frame, Label, TextField, Button, Picture };
enum class Face { Georgia, Arial, MsSansSerif, Symbol };
enum class Align { Left, Right, Center };

struct FontSpec {
    Face face;
    double points;
    bool bold = false;
};

// Departures from the system's colours.
enum Look : unsigned {
    SystemColours = 0,
    RedGround = 1, // input fields
    BlackText = 2, // Text1, "Sole"
    RedCaption = 4, // Frame1's caption
};

struct ControlSpec {
    std::string_view name;
    ControlKind kind;
    std::string_view container; // a frame's name, or empty for the client area
    std::string_view caption; // for a picture, its resource path
    int left, top, width, height;
    FontSpec font;
    Align align = Align::Left;
    unsigned look = SystemColours;
};

inline constexpr int kTwipsPerPixel = 15;
inline constexpr int kClientWidthTwips = 9705;
inline constexpr int kClientHeightTwips = 7800;

extern const std::array<ControlSpec, 77> kForm1Controls;

} // namespace velmora::ui
