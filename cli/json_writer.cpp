// JSON for scripts. Texts go through nlohmann-json, which escapes them;
// numbers are written as the shortest text that reads back as the same
// double, and a value that is not finite as null.
#include "formats/exact_number.h"
#include "row_writers.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <cmath>
#include <ostream>

namespace velmora::cli {

namespace {

void appendNumber(std::string& text, double value)
{
    if (std::isfinite(value))
        formats::appendExactNumber(text, value);
    else
        text += "null";
}

template <typename Number> void appendArray(std::string& text, const std::vector<Number>& numbers)
{
    text += '[';
    for (std::size_t i = 0; i < numbers.size(); ++i) {
        if (i)
            text += ',';
        appendNumber(text, static_cast<double>(numbers[i]));
    }
    text += ']';
}

// Plain ASCII needs no escaping; anything else goes through the library,
// which gives a byte that is not UTF-8 as U+FFFD rather than fail.
void appendString(std::string& text, const std::string& value)
{
    const bool plain = std::ranges::all_of(value, [](char c) { return c >= 0x20 && c != '"' && c != '\\'; });
    if (plain)
        text.append(1, '"').append(value).append(1, '"');
    else
        text += nlohmann::json(value).dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
}

void appendValue(std::string& text, const Value& value)
{
    struct Visitor {
        std::string& text;
        void operator()(std::monostate) const { text += "null"; }
        void operator()(bool b) const { text += b ? "true" : "false"; }
        void operator()(std::int64_t n) const { text += std::to_string(n); }
        void operator()(double d) const { appendNumber(text, d); }
        void operator()(const std::string& s) const { appendString(text, s); }
        void operator()(const std::vector<double>& v) const { appendArray(text, v); }
        void operator()(const std::vector<std::int64_t>& v) const { appendArray(text, v); }
        void operator()(UtcTime t) const { appendString(text, isoTime(t)); }
    };
    std::visit(Visitor {text}, value);
}

void appendObject(std::string& text, const Record& record, const sky::TimeZone* zone)
{
    text += '{';
    bool first = true;
    for (const Field& field : record) {
        if (field.omitWhenEmpty && std::holds_alternative<std::monostate>(field.value))
            continue;
        // Ids are plain identifiers and need no escaping.
        text.append(first ? "\"" : ", \"").append(field.id).append("\": ");
        appendValue(text, field.value);
        first = false;
        if (zone && isMomentId(field.id)) {
            text.append(", \"").append(localMomentId(field.id)).append("\": ");
            const auto* time = std::get_if<UtcTime>(&field.value);
            time ? appendString(text, isoTime(*time, *zone)) : void(text += "null");
        }
    }
    text += '}';
}

class JsonRows final : public RowWriter {
public:
    JsonRows(std::ostream& out, std::size_t rowsBefore, const sky::TimeZone* zone) :
          out_(out), rows_(rowsBefore), zone_(zone)
    {
    }
    void row(const Record& record) override
    {
        line_.assign(rows_++ ? ",\n " : "[\n ");
        appendObject(line_, record, zone_);
        out_ << line_;
    }
    void finish() override { out_ << (rows_ ? "\n]\n" : "[]\n"); }

private:
    std::ostream& out_;
    std::string line_; // reused from row to row
    std::size_t rows_;
    const sky::TimeZone* zone_;
};

} // namespace

std::string jsonValue(const Value& value)
{
    std::string text;
    appendValue(text, value);
    return text;
}

std::string jsonObject(const Record& record, const sky::TimeZone* zone)
{
    std::string text;
    appendObject(text, record, zone);
    return text;
}

std::unique_ptr<RowWriter> jsonRows(std::ostream& out, std::size_t rowsBefore, const sky::TimeZone* zone)
{
    return std::make_unique<JsonRows>(out, rowsBefore, zone);
}

} // namespace velmora::cli
