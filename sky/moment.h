#pragma once

#include <string>

namespace velmora::sky {

// A moment in UTC on the civil calendar.
struct UtcMoment {
    int year, month, day, hour, minute;
    double second;
};

// The years over which the ephemeris holds for every body but Pluto.
inline constexpr int kFirstYear = 1800;
inline constexpr int kLastYear = 2200;

// Whether the date exists on the calendar and the time of day on a clock.
bool exists(const UtcMoment& moment);

// As ISO 8601 in whole seconds: "2026-12-06T21:30:00Z".
std::string isoText(const UtcMoment& moment);

// The system clock's moment, to the second.
UtcMoment currentMoment();

} // namespace velmora::sky
