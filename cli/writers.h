#pragma once

#include "options.h"
#include "records.h"

#include <iosfwd>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace velmora::cli {

// Rows of one kind of record, written as they come: a JSON array of
// objects, one to a line; CSV with the ids as header; or an aligned text
// table with labels and units as headings.
class RowWriter {
public:
    virtual ~RowWriter() = default;
    virtual void row(const Record& record) = 0;
    virtual void finish() = 0;
    // For a table without rows: the header a row of this shape would bring
    // (CSV alone has one apart from its rows).
    virtual void header(const Record& /*shape*/) { }
};

// `textColumns` picks the ids a text table shows; empty for all. JSON and CSV
// rows may be written in pieces: `rowsBefore` says how many rows earlier
// pieces held, so that the header and separators come out as in one piece.
// With a zone, people read each moment on its wall clock, and scripts get
// beside each "…_utc" field a "…_local" one with the zone's offset.
std::unique_ptr<RowWriter> rowWriter(
    std::ostream& out, Style style, std::vector<std::string_view> textColumns = {}, std::size_t rowsBefore = 0);

// JSON pieces, for documents made of records.
std::string jsonValue(const Value& value);
std::string jsonObject(const Record& record, const sky::TimeZone* zone = nullptr);

// A record for people: a line for each field, label, value and unit,
// values aligned on the decimal point. `notes` adds a column, by field id.
void writeTextRecord(
    std::ostream& out, const Record& record, const Record& notes = {}, const sky::TimeZone* zone = nullptr);

// A moment as ISO 8601 ("2026-12-06T21:30:00Z"), and for a table ("12-06 21:30").
std::string isoTime(UtcTime time);
std::string shortTime(UtcTime time);

// The same on a zone's wall clock: "2026-12-06T22:30:00+01:00", and for a
// table "12-06 22:30 CET".
std::string isoTime(UtcTime time, const sky::TimeZone& zone);
std::string shortTime(UtcTime time, const sky::TimeZone& zone);

// A field that holds a moment in UTC ("transit_utc"), and the id of its
// wall-clock companion ("transit_local").
bool isMomentId(std::string_view id);
std::string localMomentId(std::string_view id);

} // namespace velmora::cli
