// The formats a table of rows can take: JSON (an array of objects) and CSV.
#include "output.h"

#include <nlohmann/json.hpp>

#include <ostream>

namespace velmora::cli {

namespace {

nlohmann::ordered_json toJson(const Cell& cell)
{
    if (const auto* text = std::get_if<std::string>(&cell))
        return *text;
    if (const auto* number = std::get_if<double>(&cell))
        return *number;
    return nullptr;
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
    for (std::size_t i = 0; i < row.size(); ++i)
        out << (i ? "," : "") << (names ? row[i].name : csvField(row[i].value));
    out << '\n';
}

} // namespace

void writeTable(std::ostream& out, const std::vector<std::vector<Column>>& rows, Format format)
{
    if (format == Format::Json) {
        nlohmann::ordered_json table = nlohmann::ordered_json::array();
        for (const auto& row : rows) {
            nlohmann::ordered_json object = nlohmann::ordered_json::object();
            for (const Column& column : row)
                object[column.name] = toJson(column.value);
            table.push_back(std::move(object));
        }
        out << table.dump(2) << '\n';
        return;
    }
    if (!rows.empty())
        writeCsvLine(out, rows.front(), true);
    for (const auto& row : rows)
        writeCsvLine(out, row, false);
}

} // namespace velmora::cli
