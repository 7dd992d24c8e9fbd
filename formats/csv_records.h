#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace velmora::formats {

// One record of a CSV text and the line it starts on.
struct CsvRecord {
    int line;
    std::vector<std::string> fields;
};

// Splits a CSV text by RFC 4180: fields between separators (commas unless
// said otherwise), quoted fields that
// may hold commas, line ends and doubled quotes, records ended by LF or
// CRLF. A UTF-8 byte-order mark at the start is skipped and blank lines are
// left out. A quote left open throws InputError "path:line: why".
// Hand-written: none of the libraries the project builds on reads CSV.
std::vector<CsvRecord> csvRecords(std::string_view text, const std::string& path, char separator = ',');

} // namespace velmora::formats
