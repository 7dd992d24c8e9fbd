#pragma once

#include "planning/catalogue_merge.h"
#include "planning/refusal.h"
#include "sky/bodies.h"

#include <QString>
#include <QStringList>

#include <string>
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

// What merging the equipment files noted: a reader's words as they are, a
// replaced entry in Italian ("la camera «X» di b.csv sostituisce quella del
// catalogo interno").
QString italianMergeNote(const velmora::planning::MergeNote& note);

// A refusal, worded for the field it is about.
QString italianRefusal(const velmora::planning::Refusal& refusal);

// A number as the window writes it: up to `digits` significant digits, the
// decimal comma, no trailing zeros.
QString italianNumber(double value, int digits = 4);

// One rule for each kind of figure, the decimal comma throughout:
QString italianWhole(double value); // "384.400": whole, grouped by thousands
QString italianDegrees(double degrees); // "147,0°", "0,1°": a tenth of a degree
QString italianArcminutes(double arcminutes); // "15,19′": a hundredth of an arcminute
QString italianHours(double hours); // "6,3 h": a tenth of an hour
// "00:42:44,35", "+41:16:09,0": a catalogue's sexagesimal text, its decimal
// point written as a comma.
QString italianSexagesimal(const std::string& text);
