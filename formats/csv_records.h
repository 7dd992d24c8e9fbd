#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace velmora::formats {

// Reads a CSV text by RFC 4180, a record to a line, one record at a time
// without copying fields (catalogues run to megabytes): fields between
// separators (commas unless said otherwise), quoted fields that may hold
// separators and doubled quotes, records ended by LF or CRLF. A UTF-8
// byte-order mark at the start is skipped and blank lines are left out. A
// quote left open on its line throws InputError "path:line: why": a stray
// quote does not swallow the lines after it.
// Past `fieldsWanted` fields the rest of a line may be left unsplit;
// `firstLine` numbers the text's first line, for the rest of a file.
// Hand-written: none of the libraries the project builds on reads CSV.
// One record as it is visited: its fields point into the text, or for a
// quoted field into room of the record's own, valid during the visit.
struct CsvView {
    int line;
    std::vector<std::string_view> fields;
};

void forEachCsvRecord(std::string_view text, const std::string& path, char separator,
    const std::function<void(const CsvView&)>& visit, std::size_t fieldsWanted = SIZE_MAX, int firstLine = 1);

} // namespace velmora::formats
