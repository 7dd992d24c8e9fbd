#include "writers.h"

#include "row_writers.h"
#include "sky/moment.h"

#include <cstdio>

namespace velmora::cli {

std::unique_ptr<RowWriter> rowWriter(
    std::ostream& out, Format format, std::vector<std::string_view> textColumns, std::size_t rowsBefore)
{
    switch (format) {
    case Format::Json:
        return jsonRows(out, rowsBefore);
    case Format::Csv:
        return csvRows(out, rowsBefore);
    case Format::Text:
        break;
    }
    return textRows(out, std::move(textColumns));
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

} // namespace velmora::cli
