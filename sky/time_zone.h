#pragma once

#include "moment.h"

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace date {
class time_zone;
}

namespace velmora::sky {

// What a wall clock in a zone reads at a moment.
struct ClockReading {
    UtcMoment wall; // the civil date and time there
    int offsetMinutes; // ahead of UTC, daylight saving included
    std::string abbreviation; // "CET", "CEST", "AEDT"; "UTC" for UTC
};

// "2026-03-28T21:00:00+01:00": ISO 8601 with the zone's offset, whole seconds.
std::string isoText(const ClockReading& reading);

// A zone name the system's zone database does not hold.
class UnknownTimeZone : public std::invalid_argument {
public:
    using std::invalid_argument::invalid_argument;
};

// The civil time of a place: a zone of the system's zone database (IANA
// names, daylight saving and every past change of rule), or UTC. The rules
// come from the database, never a fixed offset.
class TimeZone {
public:
    TimeZone(); // UTC
    // By its IANA name ("Europe/Rome"); "UTC" is UTC. Throws UnknownTimeZone.
    explicit TimeZone(std::string_view name);
    // The system's zone: TZ when it names a zone, else the one /etc/localtime
    // links to; UTC when neither says.
    static TimeZone system();

    const std::string& name() const { return name_; }
    bool isUtc() const { return zone_ == nullptr; }

    // The wall clock at a moment, Julian Day (UT).
    ClockReading at(double julianDay) const;
    // The moment (Julian Day, UT) a wall clock shows `wall`. A time skipped
    // when clocks go forward counts from before the change (02:30 on the
    // spring night in Rome is 01:30 UTC); a time met twice when they go back
    // is the first of the two.
    double julianDayAt(const UtcMoment& wall) const;

private:
    std::string name_ = "UTC";
    const date::time_zone* zone_ = nullptr;
};

// Every zone name of the system's database, sorted; empty without one.
std::vector<std::string> timeZoneNames();

} // namespace velmora::sky
