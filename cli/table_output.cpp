// The formats a table of rows can take: JSON (an array of objects, one to a
// line) and CSV.
#include "output.h"

#include <nlohmann/json.hpp>

#include <ostream>

namespace velmora::cli {

namespace {

// A cell as a JSON value. Numbers are the shortest text that reads back as
// the same double, which std::to_chars gives faster than building a JSON
// value for each; texts, the user's names among them, are escaped by the
// library.
std::string jsonValue(const Cell& cell)
{
    if (const auto* number = std::get_if<double>(&cell))
        return exactNumber(*number);
    if (const auto* text = std::get_if<std::string>(&cell))
        return nlohmann::json(*text).dump();
    return "null";
}

// A field is quoted when it holds a comma, a quote or a line end (RFC 4180).
std::string csvField(const Cell& cell)
{
    if (const auto* number = std::get_if<double>(&cell))
        return exactNumber(*number);
    const auto* text = std::get_if<std::string>(&cell);
    if (!text)
        return {};
    if (text->find_first_of(",\"\r\n") == std::string::npos)
        return *text;
    std::string quoted = "\"";
    for (const char c : *text)
        quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + "\"";
}

void writeCsvLine(std::ostream& out, const std::vector<Column>& row, bool names)
{
    for (std::size_t i = 0; i < row.size(); ++i) {
        out << (i ? "," : "");
        if (names)
            out << row[i].name;
        else
            out << csvField(row[i].value);
    }
    out << '\n';
}

} // namespace

void writeTable(std::ostream& out, const std::vector<std::vector<Column>>& rows, Format format)
{
    if (format == Format::Json) {
        // Column names are plain identifiers and need no escaping.
        std::string line; // one row at a time, its buffer reused
        for (std::size_t i = 0; i < rows.size(); ++i) {
            line.assign(i ? ",\n {" : "[\n {");
            for (std::size_t j = 0; j < rows[i].size(); ++j)
                line.append(j ? ",\"" : "\"").append(rows[i][j].name).append("\":").append(jsonValue(rows[i][j].value));
            out << line << '}';
        }
        out << (rows.empty() ? "[]\n" : "\n]\n");
        return;
    }
    if (!rows.empty())
        writeCsvLine(out, rows.front(), true);
    for (const auto& row : rows)
        writeCsvLine(out, row, false);
}

} // namespace velmora::cli
