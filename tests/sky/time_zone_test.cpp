#include "sky/ephemeris.h"
#include "sky/time_zone.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>

namespace velmora::sky {
namespace {

double utc(int year, int month, int day, int hour, int minute)
{
    return julianDay(year, month, day, hour, minute, 0);
}

// The 2026 changes of the clocks as the EU and New South Wales publish them:
// Europe on the last Sundays of March and October at 01:00 UTC, Sydney on
// the first Sundays of April (03:00 AEDT) and October (02:00 AEST). A
// minute either side of each.
struct Reading {
    const char* zone;
    double julianDay;
    const char* iso;
    const char* abbreviation;
};
const Reading kChanges[] = {
    {"Europe/Rome", utc(2026, 3, 29, 0, 59), "2026-03-29T01:59:00+01:00", "CET"},
    {"Europe/Rome", utc(2026, 3, 29, 1, 0), "2026-03-29T03:00:00+02:00", "CEST"},
    {"Europe/Rome", utc(2026, 10, 25, 0, 59), "2026-10-25T02:59:00+02:00", "CEST"},
    {"Europe/Rome", utc(2026, 10, 25, 1, 0), "2026-10-25T02:00:00+01:00", "CET"},
    {"Australia/Sydney", utc(2026, 4, 4, 15, 59), "2026-04-05T02:59:00+11:00", "AEDT"},
    {"Australia/Sydney", utc(2026, 4, 4, 16, 0), "2026-04-05T02:00:00+10:00", "AEST"},
    {"Australia/Sydney", utc(2026, 10, 3, 15, 59), "2026-10-04T01:59:00+10:00", "AEST"},
    {"Australia/Sydney", utc(2026, 10, 3, 16, 0), "2026-10-04T03:00:00+11:00", "AEDT"},
    {"America/St_Johns", utc(2026, 12, 9, 12, 0), "2026-12-09T08:30:00-03:30", "NST"},
    {"UTC", utc(2026, 12, 9, 12, 0), "2026-12-09T12:00:00+00:00", "UTC"},
};

TEST(TimeZone, ReadsTheClockEitherSideOfEachChange)
{
    for (const Reading& each : kChanges) {
        const ClockReading reading = TimeZone(each.zone).at(each.julianDay);
        EXPECT_EQ(isoText(reading), each.iso) << each.zone;
        EXPECT_EQ(reading.abbreviation, each.abbreviation) << each.iso;
    }
}

// Wall times back to moments: ordinary ones, those the spring changes skip
// (they count on from before the jump) and those the autumn changes show
// twice (the first).
TEST(TimeZone, FindsTheMomentOfAWallClockTime)
{
    struct Case {
        const char* zone;
        UtcMoment wall;
        double expected;
    };
    const Case cases[] = {
        {"Europe/Rome", {2026, 1, 15, 21, 0, 0}, utc(2026, 1, 15, 20, 0)},
        {"Europe/Rome", {2026, 7, 15, 21, 0, 0}, utc(2026, 7, 15, 19, 0)},
        {"Europe/Rome", {2026, 3, 29, 2, 30, 0}, utc(2026, 3, 29, 1, 30)},
        {"Europe/Rome", {2026, 10, 25, 2, 30, 0}, utc(2026, 10, 25, 0, 30)},
        {"Australia/Sydney", {2026, 4, 5, 2, 30, 0}, utc(2026, 4, 4, 15, 30)},
        {"Australia/Sydney", {2026, 10, 4, 2, 30, 0}, utc(2026, 10, 3, 16, 30)},
        {"UTC", {2026, 10, 25, 2, 30, 0}, utc(2026, 10, 25, 2, 30)},
    };
    for (const Case& each : cases)
        EXPECT_NEAR(TimeZone(each.zone).julianDayAt(each.wall), each.expected, 1e-6)
            << each.zone << " " << each.wall.month << "-" << each.wall.day;
}

TEST(TimeZone, RefusesANameTheDatabaseLacks)
{
    for (const char* name : {"Europe/Rom", "", "CET-1CEST", "../../etc/passwd", "Europe/Rome\n"})
        EXPECT_THROW(TimeZone {name}, UnknownTimeZone) << name;
    const std::vector<std::string> names = timeZoneNames();
    EXPECT_TRUE(std::binary_search(names.begin(), names.end(), "Europe/Rome"));
    EXPECT_TRUE(std::binary_search(names.begin(), names.end(), "Australia/Sydney"));
}

TEST(TimeZone, TheSystemZoneFollowsTz)
{
    const char* before = std::getenv("TZ");
    const std::string kept = before ? before : "";
    for (const auto& [tz, expected] : {std::pair {"Europe/Rome", "Europe/Rome"}, {":Asia/Tokyo", "Asia/Tokyo"}}) {
        setenv("TZ", tz, 1);
        EXPECT_EQ(TimeZone::system().name(), expected);
    }
    if (before)
        setenv("TZ", kept.c_str(), 1);
    else
        unsetenv("TZ");
}

} // namespace
} // namespace velmora::sky
