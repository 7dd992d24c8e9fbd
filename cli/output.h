#pragma once

#include "computation.h"
#include "equipment_catalogue.h"
#include "request.h"

#include <iosfwd>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace velmora::cli {

// A computation as one flat table row, the same columns for every row of a
// request: names, the train, the 23 results by id and, with a seeing, the
// sampling verdict. A value not computed is empty.
using Cell = std::variant<std::monostate, std::string, double>;
struct Column {
    std::string_view name; // a literal or a quantity's id
    Cell value;
};
std::vector<Column> flatRow(const Computation& computation, bool withSampling);

// The bodies on a date, a row each.
std::vector<std::vector<Column>> skyTable(const SkyView& sky);

// The shortest text that reads back as the same double.
std::string exactNumber(double value);

void writeComputation(std::ostream& out, const Computation& computation, Format format);
void writeSweep(std::ostream& out, const std::vector<Computation>& rows, bool withSampling, Format format);
void writeTelescopes(std::ostream& out, const std::vector<TelescopeEntry>& telescopes, Format format);
void writeCameras(std::ostream& out, const std::vector<CameraEntry>& cameras, Format format);

// Per format, for writeComputation and writeSweep.
void writeText(std::ostream& out, const Computation& computation);
void writeJson(std::ostream& out, const Computation& computation);
void writeTextSweep(std::ostream& out, const std::vector<Computation>& rows, bool withSampling);
void writeTable(std::ostream& out, const std::vector<std::vector<Column>>& rows, Format format); // json or csv
void writeTextTable(std::ostream& out, const std::vector<std::vector<Column>>& rows); // column names as headings

} // namespace velmora::cli
