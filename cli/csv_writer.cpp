// CSV for scripts (RFC 4180): the ids as header, numbers as the shortest
// text that reads back as the same double, empty where nothing was computed.
#include "formats/exact_number.h"
#include "row_writers.h"

#include <cmath>
#include <ostream>

namespace velmora::cli {

namespace {

void appendQuotedIfNeeded(std::string& line, const std::string& text)
{
    if (text.find_first_of(",\"\r\n") == std::string::npos)
        return void(line += text);
    line += '"';
    for (const char c : text)
        line.append(c == '"' ? 2 : 1, c);
    line += '"';
}

// Appended in place: a sweep writes millions of fields.
void appendField(std::string& line, const Value& value)
{
    if (const auto* number = std::get_if<double>(&value)) {
        if (std::isfinite(*number))
            formats::appendExactNumber(line, *number);
    } else if (const auto* whole = std::get_if<std::int64_t>(&value)) {
        line += std::to_string(*whole);
    } else if (const auto* flag = std::get_if<bool>(&value)) {
        line += *flag ? "true" : "false";
    } else if (const auto* time = std::get_if<UtcTime>(&value)) {
        line += isoTime(*time);
    } else if (const auto* text = std::get_if<std::string>(&value)) {
        appendQuotedIfNeeded(line, *text);
    }
}

class CsvRows final : public RowWriter {
public:
    CsvRows(std::ostream& out, std::size_t rowsBefore, const sky::TimeZone* zone) :
          out_(out), headerWritten_(rowsBefore > 0), zone_(zone)
    {
    }
    void header(const Record& shape) override
    {
        if (!headerWritten_)
            write(shape, [this](std::string& line, const Field& field) {
                line += field.id;
                if (zone_ && isMomentId(field.id))
                    line.append(1, ',').append(localMomentId(field.id));
            });
        headerWritten_ = true;
    }
    void row(const Record& record) override
    {
        header(record);
        write(record, [this](std::string& line, const Field& field) {
            appendField(line, field.value);
            if (zone_ && isMomentId(field.id)) {
                line += ',';
                if (const auto* time = std::get_if<UtcTime>(&field.value))
                    line += isoTime(*time, *zone_);
            }
        });
    }
    void finish() override { }

private:
    template <typename Cell> void write(const Record& record, Cell cell)
    {
        line_.clear();
        for (const Field& field : record) {
            if (&field != &record.front())
                line_ += ',';
            cell(line_, field);
        }
        line_ += '\n';
        out_ << line_;
    }

    std::ostream& out_;
    std::string line_; // reused from row to row
    bool headerWritten_;
    const sky::TimeZone* zone_;
};

} // namespace

std::unique_ptr<RowWriter> csvRows(std::ostream& out, std::size_t rowsBefore, const sky::TimeZone* zone)
{
    return std::make_unique<CsvRows>(out, rowsBefore, zone);
}

} // namespace velmora::cli
