#pragma once

#include <QString>

class QDoubleSpinBox;
class QLabel;
class QSpinBox;

// The planner's fields, made alike: an object name for tests and settings,
// the range, the unit as a suffix, and what the figure means as its tooltip
// and accessible description; decimals written the Italian way.
struct FieldShape {
    const char* name;
    double lowest;
    double highest;
    double value = 0;
    int decimals = 0;
    QString suffix = {};
    QString tip = {};
};
QDoubleSpinBox* decimalField(const FieldShape& shape);
QSpinBox* wholeField(const FieldShape& shape);

// A block of figures a reader can select and copy, with what they mean as
// its tooltip.
QLabel* figuresLine(const char* name, const QString& tip = {});

// A line for a message about the fields near it, in red and read aloud.
QLabel* messageLine(const char* name);
