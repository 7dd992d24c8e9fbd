#include "time_zone.h"

#include "ephemeris.h"

#include <date/tz.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace velmora::sky {

namespace {

constexpr double kUnixEpochJulianDay = 2440587.5;
constexpr double kSecondsPerDay = 86400;

// The second a moment falls in, as a clock shows it (and as UTC text
// truncates it), once rounded to the millisecond a Julian Day holds.
date::sys_seconds systemSeconds(double julianDay)
{
    const date::sys_time<std::chrono::milliseconds> moment(
        std::chrono::milliseconds(std::llround((julianDay - kUnixEpochJulianDay) * kSecondsPerDay * 1000)));
    return date::floor<std::chrono::seconds>(moment);
}

double julianDayOf(date::sys_seconds moment)
{
    return kUnixEpochJulianDay + double(moment.time_since_epoch().count()) / kSecondsPerDay;
}

// The database throws a runtime_error for a name it lacks, and for a
// database it cannot read; both leave the name unusable.
const date::time_zone* zoneNamed(std::string_view name)
{
    try {
        return date::locate_zone(name);
    } catch (const std::runtime_error&) {
        return nullptr;
    }
}

} // namespace

std::string isoText(const ClockReading& reading)
{
    const UtcMoment& m = reading.wall;
    const int offset = std::abs(reading.offsetMinutes);
    char text[48];
    std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02d%c%02d:%02d", m.year, m.month, m.day, m.hour,
        m.minute, static_cast<int>(m.second), reading.offsetMinutes < 0 ? '-' : '+', offset / 60, offset % 60);
    return text;
}

TimeZone::TimeZone() = default;

TimeZone::TimeZone(std::string_view name)
{
    if (name == "UTC")
        return;
    zone_ = zoneNamed(name);
    if (!zone_)
        throw UnknownTimeZone(std::string(name));
    name_ = zone_->name();
}

TimeZone TimeZone::system()
{
    // TZ may name a zone ("Europe/Rome", or ":Europe/Rome" as POSIX allows);
    // a POSIX rule such as "CET-1CEST" is not a zone of the database.
    if (const char* asked = std::getenv("TZ"); asked && *asked) {
        const std::string_view name = asked[0] == ':' ? asked + 1 : asked;
        if (zoneNamed(name))
            return TimeZone(name);
    }
    try {
        const date::time_zone* current = date::current_zone();
        return current->name() == "UTC" || current->name() == "Etc/UTC" ? TimeZone() : TimeZone(current->name());
    } catch (const std::runtime_error&) {
        return {};
    }
}

ClockReading TimeZone::at(double julianDay) const
{
    const date::sys_seconds moment = systemSeconds(julianDay);
    ClockReading reading {{}, 0, "UTC"};
    std::chrono::seconds offset {0};
    if (zone_) {
        const date::sys_info info = zone_->get_info(moment);
        offset = info.offset;
        reading.offsetMinutes = int(std::chrono::duration_cast<std::chrono::minutes>(offset).count());
        reading.abbreviation = info.abbrev;
    }
    // Whole seconds on the civil calendar, as a clock shows them.
    const date::sys_seconds wall = moment + offset;
    const date::sys_days day = date::floor<date::days>(wall);
    const date::year_month_day calendar(day);
    const date::hh_mm_ss time(wall - day);
    reading.wall = {int(calendar.year()), int(unsigned(calendar.month())), int(unsigned(calendar.day())),
        int(time.hours().count()), int(time.minutes().count()), double(time.seconds().count())};
    return reading;
}

double TimeZone::julianDayAt(const UtcMoment& wall) const
{
    const double asIfUtc = julianDay(wall.year, wall.month, wall.day, wall.hour, wall.minute, wall.second);
    if (!zone_)
        return asIfUtc;
    const date::local_seconds local(systemSeconds(asIfUtc).time_since_epoch());
    const date::local_info info = zone_->get_info(local);
    // In a gap both infos are the rules either side: the earlier one's
    // offset carries the clock on past the jump.
    const date::sys_info& rule = info.first;
    return julianDayOf(date::sys_seconds(local.time_since_epoch() - rule.offset));
}

std::vector<std::string> timeZoneNames()
{
    // The system's database lists each file under zoneinfo, links included.
    std::vector<std::string> names;
    try {
        for (const date::time_zone& zone : date::get_tzdb().zones)
            names.emplace_back(zone.name());
    } catch (const std::runtime_error&) {
        return {};
    }
    std::sort(names.begin(), names.end());
    return names;
}

} // namespace velmora::sky
