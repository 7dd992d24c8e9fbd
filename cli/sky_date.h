#pragma once

#include <string>

namespace velmora::cli {

// A moment in UTC, from --date.
struct SkyDate {
    int year, month, day, hour, minute;
    double second;
    std::string text; // as written back: 2026-12-06T21:30:00Z
};

// "2026-12-06", "2026-12-06T21:30Z", "2026-12-06T21:30:15Z" (UTC), or "now"
// for the system clock; from 1800 to 2200. Anything else throws UsageError
// naming the text.
SkyDate parseSkyDate(const std::string& text);

} // namespace velmora::cli
