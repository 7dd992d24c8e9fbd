// Text for people: figures to four significant digits, aligned on the
// decimal point, texts made safe for a terminal.
#include "row_writers.h"

#include "formats/readable_number.h"
#include "formats/text_file.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <ostream>

namespace velmora::cli {

namespace {

// A cell of a text table; a figure is aligned on its decimal point.
struct Cell {
    std::string text;
    bool figure = false;
};

std::string joinedFigures(const std::vector<double>& figures, const char* between)
{
    std::string text;
    for (std::size_t i = 0; i < figures.size(); ++i) {
        const bool last = i + 1 == figures.size();
        if (last && i > 0 && std::isinf(figures[i]))
            return text + " or more";
        text += (i ? between : "") + formats::readableNumber(figures[i]);
    }
    return text;
}

// With a zone, a moment is read on its wall clock, the zone's abbreviation after it.
Cell cellOf(const Value& value, const sky::TimeZone* zone = nullptr)
{
    struct Visitor {
        const sky::TimeZone* zone;
        Cell operator()(std::monostate) const { return {"-"}; }
        Cell operator()(bool b) const { return {b ? "yes" : "no"}; }
        Cell operator()(std::int64_t n) const { return {std::to_string(n), true}; }
        Cell operator()(double d) const { return {formats::readableNumber(d), std::isfinite(d)}; }
        Cell operator()(const std::string& s) const { return {formats::printable(s)}; }
        Cell operator()(const std::vector<double>& v) const { return {joinedFigures(v, " to ")}; }
        Cell operator()(UtcTime t) const { return {zone ? shortTime(t, *zone) : shortTime(t)}; }
        Cell operator()(const std::vector<std::int64_t>& v) const
        {
            if (v.empty())
                return {"none"};
            return {joinedFigures(std::vector<double>(v.begin(), v.end()), ", ")};
        }
    };
    return std::visit(Visitor {zone}, value);
}

// Columns on the screen: a UTF-8 character takes one.
std::size_t displayWidth(std::string_view text)
{
    return static_cast<std::size_t>(std::ranges::count_if(text, [](char c) { return (c & 0xC0) != 0x80; }));
}

struct ColumnWidth {
    std::size_t text = 0; // of the widest text cell or heading
    std::size_t whole = 0; // of the widest part before a decimal point
    std::size_t fraction = 0; // of the widest part after it, the point included

    std::size_t total() const { return std::max(text, whole + fraction); }
    void fit(const Cell& cell)
    {
        if (!cell.figure)
            return void(text = std::max(text, displayWidth(cell.text)));
        const std::size_t point = std::min(cell.text.find('.'), cell.text.size());
        whole = std::max(whole, point);
        fraction = std::max(fraction, cell.text.size() - point);
    }
    std::string laidOut(const Cell& cell) const
    {
        std::string laid = cell.text;
        if (cell.figure) { // its point under the others'; the room after it is the column's own
            const std::size_t point = std::min(laid.find('.'), laid.size());
            laid = std::string(whole > point ? whole - point : 0, ' ') + laid;
        }
        const std::size_t shown = displayWidth(laid);
        return laid + std::string(total() > shown ? total() - shown : 0, ' ');
    }
};

void writeLine(std::ostream& out, const std::vector<Cell>& cells, const std::vector<ColumnWidth>& widths)
{
    std::string line;
    for (std::size_t i = 0; i < cells.size(); ++i)
        line += (i ? "  " : "") + widths[i].laidOut(cells[i]);
    line.erase(line.find_last_not_of(' ') + 1);
    out << line << '\n';
}

// A moment's unit, UTC, gives way to the zone each time names.
std::string_view unitOf(const Field& field, const sky::TimeZone* zone)
{
    return zone && isMomentId(field.id) ? std::string_view() : field.unit;
}

std::string heading(const Field& field, const sky::TimeZone* zone)
{
    const std::string_view unit = unitOf(field, zone);
    return std::string(field.label) + (unit.empty() ? "" : " (" + std::string(unit) + ")");
}

// The first rows set the columns' widths; the rest follow as they come, so
// that a table of any length is written in bounded memory.
class TextTable final : public RowWriter {
public:
    TextTable(std::ostream& out, std::vector<std::string_view> columns, const sky::TimeZone* zone) :
          out_(out), columns_(std::move(columns)), zone_(zone)
    {
    }

    void row(const Record& record) override
    {
        if (!headings_) {
            headings_.emplace();
            for (const Field& field : record) {
                if (shown(field))
                    headings_->push_back({heading(field, zone_)});
            }
        }
        std::vector<Cell> cells;
        for (const Field& field : record) {
            if (shown(field))
                cells.push_back(cellOf(field.value, zone_));
        }
        if (!widths_.empty())
            return writeLine(out_, cells, widths_);
        buffered_.push_back(std::move(cells));
        if (buffered_.size() == kRowsMeasured)
            flush();
    }
    void finish() override
    {
        if (widths_.empty())
            flush();
    }

private:
    static constexpr std::size_t kRowsMeasured = 1000;

    bool shown(const Field& field) const
    {
        return columns_.empty() || std::ranges::find(columns_, field.id) != columns_.end();
    }
    void flush()
    {
        if (!headings_)
            return;
        widths_.resize(headings_->size());
        for (std::size_t i = 0; i < widths_.size(); ++i)
            widths_[i].fit((*headings_)[i]);
        for (const auto& cells : buffered_) {
            for (std::size_t i = 0; i < cells.size(); ++i)
                widths_[i].fit(cells[i]);
        }
        writeLine(out_, *headings_, widths_);
        for (const auto& cells : buffered_)
            writeLine(out_, cells, widths_);
        buffered_.clear();
    }

    std::ostream& out_;
    std::vector<std::string_view> columns_;
    std::optional<std::vector<Cell>> headings_;
    std::vector<std::vector<Cell>> buffered_;
    std::vector<ColumnWidth> widths_;
    const sky::TimeZone* zone_;
};

} // namespace

void writeTextRecord(std::ostream& out, const Record& record, const Record& notes, const sky::TimeZone* zone)
{
    std::vector<std::vector<Cell>> lines;
    for (const Field& field : record) {
        if (field.omitWhenEmpty && std::holds_alternative<std::monostate>(field.value))
            continue;
        std::vector<Cell> line = {
            {"  " + std::string(field.label)}, cellOf(field.value, zone), {std::string(unitOf(field, zone))}};
        const auto note = std::ranges::find(notes, field.id, &Field::id);
        if (note != notes.end())
            line.push_back({"(" + cellOf(note->value).text + ")"});
        lines.push_back(std::move(line));
    }
    std::vector<ColumnWidth> widths(4);
    for (const auto& line : lines) {
        for (std::size_t i = 0; i < line.size(); ++i)
            widths[i].fit(line[i]);
    }
    for (const auto& line : lines)
        writeLine(out, line, widths);
}

std::unique_ptr<RowWriter> textRows(std::ostream& out, std::vector<std::string_view> columns, const sky::TimeZone* zone)
{
    return std::make_unique<TextTable>(out, std::move(columns), zone);
}

} // namespace velmora::cli
