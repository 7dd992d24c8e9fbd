#include "writers.h"

#include "row_writers.h"
#include "sky/moment.h"

#include <cstdio>

namespace velmora::cli {

std::unique_ptr<RowWriter> rowWriter(
    std::ostream& out, Style style, std::vector<std::string_view> textColumns, std::size_t rowsBefore)
{
    switch (style.format) {
    case Format::Json:
        return jsonRows(out, rowsBefore, style.zone);
    case Format::Csv:
        return csvRows(out, rowsBefore, style.zone);
    case Format::Text:
        break;
    }
    return textRows(out, std::move(textColumns), style.zone);
}

std::string isoTime(UtcTime time)
{
    return sky::isoText(sky::utcMomentOf(time.julianDay));
}

std::string shortTime(UtcTime time)
{
    // Rounded to the minute: a table has no room for seconds.
    const sky::UtcMoment m = sky::utcMomentOf(time.julianDay + 30.0 / 86400);
    char text[16];
    std::snprintf(text, sizeof text, "%02d-%02d %02d:%02d", m.month, m.day, m.hour, m.minute);
    return text;
}

std::string isoTime(UtcTime time, const sky::TimeZone& zone)
{
    return sky::isoText(zone.at(time.julianDay));
}

std::string shortTime(UtcTime time, const sky::TimeZone& zone)
{
    const sky::ClockReading clock = zone.at(time.julianDay + 30.0 / 86400);
    const sky::UtcMoment& m = clock.wall;
    char text[16];
    std::snprintf(text, sizeof text, "%02d-%02d %02d:%02d ", m.month, m.day, m.hour, m.minute);
    return text + clock.abbreviation;
}

bool isMomentId(std::string_view id)
{
    return id.ends_with("_utc");
}

std::string localMomentId(std::string_view id)
{
    id.remove_suffix(std::string_view("_utc").size());
    return std::string(id) + "_local";
}

} // namespace velmora::cli
