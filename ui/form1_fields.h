#pragma once

#include <array>
#include <string_view>

namespace velmora::ui {

// The main window's fields in one table, keyed by what each holds: an
// input, a result (its quantity's id) or the report's file name. The
// engine's results, the Tab key's path, the spoken names and the report all
// find a field here by that key; only this table knows its object name.
struct Form1Field {
    std::string_view id;
    std::string_view control; // the field's object name
    int tabStop; // its place on the Tab key's path, from 1
    std::string_view spoken; // what a screen reader calls it: its labels, then its unit in words
    std::array<std::string_view, 3> reportLabels; // the labels the report writes before its value; none: not reported
    std::string_view reportUnit; // the label the report writes after it, if any
};

// Every field; those in the report first, in the report's order.
extern const std::array<Form1Field, 29> kForm1Fields;

// The field of that id; throws std::out_of_range for none.
const Form1Field& form1Field(std::string_view id);

// The five inputs, in the order of the calculation's inputs.
inline constexpr std::array<std::string_view, 5> kInputIds {
    "aperture", "focal_length", "pixel_size", "sensor_width", "sensor_height"};

// The buttons' places on the Tab key's path, among the fields'.
struct TabStop {
    std::string_view control;
    int tabStop;
};
inline constexpr std::array<TabStop, 4> kButtonTabStops {
    {{"Command1", 4}, {"Command2", 11}, {"Command3", 29}, {"Command4", 32}}};

} // namespace velmora::ui
