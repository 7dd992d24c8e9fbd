#include "csv_records.h"

#include "input_error.h"

namespace velmora::formats {

std::vector<CsvRecord> csvRecords(std::string_view text, const std::string& path, char separator)
{
    if (text.starts_with("\xEF\xBB\xBF"))
        text.remove_prefix(3);
    std::vector<CsvRecord> records;
    CsvRecord record {1, {std::string()}};
    int line = 1;
    bool quoted = false;
    bool blank = true; // nothing on the record's line so far
    const auto endRecord = [&] {
        if (!blank)
            records.push_back(std::move(record));
        record = {line, {std::string()}};
        blank = true;
    };
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (quoted) {
            if (c == '"' && i + 1 < text.size() && text[i + 1] == '"') {
                record.fields.back() += '"';
                ++i;
            } else if (c == '"') {
                quoted = false;
            } else {
                line += c == '\n';
                record.fields.back() += c;
            }
            continue;
        }
        if (c == '\n' || (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')) {
            i += c == '\r';
            ++line;
            endRecord();
            continue;
        }
        blank = false;
        if (c == separator)
            record.fields.emplace_back();
        else if (c == '"' && record.fields.back().empty())
            quoted = true;
        else
            record.fields.back() += c;
    }
    if (quoted)
        throw InputError(path + ":" + std::to_string(record.line) + ": a quoted field is not closed");
    endRecord();
    return records;
}

} // namespace velmora::formats
