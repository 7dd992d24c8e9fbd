#pragma once

#include "planning/figures.h"

#include <QString>

#include <optional>

class QAbstractSpinBox;
class QDoubleSpinBox;
class QLabel;
class QSpinBox;
class QWidget;

// A field for a figure of the planning layer's table, as the table gives
// it: its name, bounds, default, unit and decimals; `tip` says what it
// means, as tooltip and accessible description. A figure given or left out
// (no default) starts at its lowest, which then reads "—": not given.
QDoubleSpinBox* figureField(velmora::planning::FigureId id, const QString& tip);
QSpinBox* wholeFigureField(velmora::planning::FigureId id, const QString& tip);

// The figure a field holds; none when it is left at "not given".
std::optional<double> givenFigure(const QAbstractSpinBox* field);

// The label of a field, which its key reaches; room is left for the ink of
// its last letter, which may run past the letter's advance.
QLabel* fieldLabel(const QString& text, QWidget* buddy);

// A block of figures a reader can select and copy, with what they mean as
// its tooltip.
QLabel* figuresLine(const char* name, const QString& tip = {});

// A line for a message about the fields near it, in red and read aloud.
QLabel* messageLine(const char* name);
