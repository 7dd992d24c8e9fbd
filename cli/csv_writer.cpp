// CSV for scripts (RFC 4180): the ids as header, numbers as the shortest
// text that reads back as the same double, empty where nothing was computed.
#include "number_texts.h"
#include "writers.h"

#include <cmath>
#include <ostream>

namespace velmora::cli {

namespace {

std::string quotedIfNeeded(const std::string& text)
{
    if (text.find_first_of(",\"\r\n") == std::string::npos)
        return text;
    std::string quoted = "\"";
    for (const char c : text)
        quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + "\"";
}

std::string csvField(const Value& value)
{
    if (const auto* number = std::get_if<double>(&value))
        return std::isfinite(*number) ? exactNumber(*number) : "";
    if (const auto* whole = std::get_if<std::int64_t>(&value))
        return std::to_string(*whole);
    if (const auto* flag = std::get_if<bool>(&value))
        return *flag ? "true" : "false";
    if (const auto* text = std::get_if<std::string>(&value))
        return quotedIfNeeded(*text);
    return {};
}

class CsvRows final : public RowWriter {
public:
    explicit CsvRows(std::ostream& out) : out_(out) { }
    void row(const Record& record) override
    {
        if (!headerWritten_) {
            write(record, [](const Field& field) { return std::string(field.id); });
            headerWritten_ = true;
        }
        write(record, [](const Field& field) { return csvField(field.value); });
    }
    void finish() override { }

private:
    template <typename Cell> void write(const Record& record, Cell cell)
    {
        line_.clear();
        for (const Field& field : record)
            line_.append(line_.empty() && &field == &record.front() ? "" : ",").append(cell(field));
        out_ << line_ << '\n';
    }

    std::ostream& out_;
    std::string line_; // reused from row to row
    bool headerWritten_ = false;
};

} // namespace

std::unique_ptr<RowWriter> csvRows(std::ostream& out)
{
    return std::make_unique<CsvRows>(out);
}

} // namespace velmora::cli
