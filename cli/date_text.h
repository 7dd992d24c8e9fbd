#pragma once

#include "sky/moment.h"
#include "sky/time_zone.h"

#include <optional>
#include <string>

namespace velmora::cli {

// "2026-12-06", "2026-12-06T21:30Z", "2026-12-06T21:30:15Z" (UTC), or "now"
// for the system clock, within the years the ephemeris holds. Anything else
// throws UsageError naming the text.
sky::UtcMoment parseDate(const std::string& text);

// A zone of the system's database by its IANA name ("Europe/Rome"), "local"
// for the system's own, or "UTC", which is none. Anything else throws
// formats::InputError with the closest names.
std::optional<sky::TimeZone> parseTimeZone(const std::string& text);

} // namespace velmora::cli
