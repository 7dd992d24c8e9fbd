#include "csv_records.h"

#include "input_error.h"
#include "text_file.h"

#include <cstring>

namespace velmora::formats {

namespace {

// Where the byte `c` next occurs in text[from, to), or `to`: memchr is many
// times faster than a loop over the bytes, and catalogues run to megabytes.
std::size_t nextOf(std::string_view text, char c, std::size_t from, std::size_t to)
{
    const void* found = std::memchr(text.data() + from, c, to - from);
    return found ? static_cast<std::size_t>(static_cast<const char*>(found) - text.data()) : to;
}

} // namespace

void forEachCsvRecord(std::string_view text, const std::string& path, char separator,
    const std::function<void(const CsvView&)>& visit, std::size_t fieldsWanted, int firstLine)
{
    text = withoutByteOrderMark(text);
    CsvView record {1, {}};
    std::deque<std::string> unquoted; // a deque, so that views into it stay valid as it grows
    // The end of the line that starts at or holds `from`, before its CR LF or LF.
    const auto lineEndFrom = [&](std::size_t from) {
        const std::size_t newline = nextOf(text, '\n', from, text.size());
        return newline > from && newline < text.size() && text[newline - 1] == '\r' ? newline - 1 : newline;
    };
    int line = firstLine;
    std::size_t i = 0;
    while (i < text.size()) {
        std::size_t end = lineEndFrom(i);
        if (end == i && i < text.size()) { // a blank line
            i = nextOf(text, '\n', i, text.size()) + 1;
            ++line;
            continue;
        }
        record.line = line;
        record.fields.clear();
        unquoted.clear();
        for (;;) { // one field each time round
            if (i < text.size() && text[i] == '"') {
                std::string& field = unquoted.emplace_back();
                ++i;
                for (;;) {
                    const std::size_t quote = nextOf(text, '"', i, end);
                    if (quote == end)
                        throw InputError(
                            path + ":" + std::to_string(record.line) + ": a quoted field is not closed on its line");
                    field.append(text.substr(i, quote - i));
                    i = quote + 1;
                    if (i < text.size() && text[i] == '"') { // a doubled quote
                        field += '"';
                        ++i;
                        continue;
                    }
                    break;
                }
                // Text after the closing quote belongs to the field too.
                const std::size_t stop = nextOf(text, separator, i, end);
                field.append(text.substr(i, stop - i));
                record.fields.emplace_back(field);
                i = stop;
            } else {
                // Fields are short: a plain loop beats a call to memchr for each.
                const std::size_t start = i;
                while (i < end && text[i] != separator)
                    ++i;
                record.fields.push_back(text.substr(start, i - start));
            }
            if (i == end)
                break;
            ++i; // past the separator
            // Enough read: the rest of the line is skipped.
            if (record.fields.size() >= fieldsWanted) {
                i = end;
                break;
            }
        }
        visit(record);
        i = nextOf(text, '\n', i, text.size()) + 1;
        ++line;
    }
}

} // namespace velmora::formats
