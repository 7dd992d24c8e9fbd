#pragma once

#include "planning/refusal.h"
#include "sky/bodies.h"

#include <QString>
#include <QStringList>

#include <string_view>

// The planner's Italian words for what the planning layer says in codes.

// A deep-sky type by its catalogue code ("G": "galassia").
QString italianType(std::string_view code);

// A body by its Italian name ("Giove") or English one, in any case; none
// for any other name.
const velmora::sky::BodyFacts* italianBody(const QString& name);
// The Italian names of the bodies, the Sun, the Moon, then the planets.
QStringList italianBodyNames();
QString italianBodyName(const velmora::sky::BodyFacts& body);

// What kept the file at `path` from being read, in Italian ("orizzonte.hrz:
// il file non c'è"); a file read and refused is followed by the reader's
// own words, `detail`, which name the line.
QString italianFileProblem(velmora::formats::InputProblem problem, const QString& path, const QString& detail);
QString italianFileProblem(const velmora::formats::InputError& error);

// A refusal, worded for the field it is about.
QString italianRefusal(const velmora::planning::Refusal& refusal);

// A moment (Julian Day, UT) as the window writes it, in a QDateTime format.
QString utcText(double julianDay, const QString& format);

// A number as the window writes it: up to `digits` significant digits, the
// decimal comma, no trailing zeros.
QString italianNumber(double value, int digits = 4);
