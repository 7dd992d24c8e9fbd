// JSON for scripts. Texts go through nlohmann-json, which escapes them;
// numbers are written as the shortest text that reads back as the same
// double, and a value that is not finite as null.
#include "number_texts.h"
#include "writers.h"

#include <nlohmann/json.hpp>

#include <cmath>
#include <ostream>

namespace velmora::cli {

namespace {

std::string number(double value)
{
    return std::isfinite(value) ? exactNumber(value) : "null";
}

template <typename Number> std::string array(const std::vector<Number>& numbers)
{
    std::string text = "[";
    for (std::size_t i = 0; i < numbers.size(); ++i)
        text += (i ? "," : "") + number(static_cast<double>(numbers[i]));
    return text + "]";
}

class JsonRows final : public RowWriter {
public:
    explicit JsonRows(std::ostream& out) : out_(out) { }
    void row(const Record& record) override { out_ << (rows_++ ? ",\n " : "[\n ") << jsonObject(record); }
    void finish() override { out_ << (rows_ ? "\n]\n" : "[]\n"); }

private:
    std::ostream& out_;
    std::size_t rows_ = 0;
};

} // namespace

std::string jsonValue(const Value& value)
{
    struct Visitor {
        std::string operator()(std::monostate) const { return "null"; }
        std::string operator()(bool b) const { return b ? "true" : "false"; }
        std::string operator()(std::int64_t n) const { return std::to_string(n); }
        std::string operator()(double d) const { return number(d); }
        std::string operator()(const std::string& s) const { return nlohmann::json(s).dump(); }
        std::string operator()(const std::vector<double>& v) const { return array(v); }
        std::string operator()(const std::vector<std::int64_t>& v) const { return array(v); }
    };
    return std::visit(Visitor {}, value);
}

std::string jsonObject(const Record& record)
{
    std::string text = "{";
    for (const Field& field : record) {
        if (field.omitWhenEmpty && std::holds_alternative<std::monostate>(field.value))
            continue;
        // Ids are plain identifiers and need no escaping.
        text.append(text.size() > 1 ? ", \"" : "\"").append(field.id).append("\": ").append(jsonValue(field.value));
    }
    return text + "}";
}

std::unique_ptr<RowWriter> jsonRows(std::ostream& out)
{
    return std::make_unique<JsonRows>(out);
}

} // namespace velmora::cli
