#pragma once

#include <QString>

class QDoubleSpinBox;
class QLabel;
class QSpinBox;

// The planner's fields, made alike: an object name for tests and settings,
// the range, the unit as a suffix, and what the figure means as its tooltip
// and accessible description; decimals written the Italian way.
struct FieldSpec {
    const char* name;
    double lowest;
    double highest;
    double value = 0;
    int decimals = 0;
    QString suffix = {};
    QString tip = {};
};
QDoubleSpinBox* decimalField(const FieldSpec& spec);
QSpinBox* wholeField(const FieldSpec& spec);

// A line for a message about the fields near it, in red and read aloud.
QLabel* messageLine(const char* name);
