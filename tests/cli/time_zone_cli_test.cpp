#include "cli_json.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>

namespace velmora::cli {
namespace {

const std::vector<std::string> kRig = {"--telescope", "CelestronOTC8", "--camera", "StarlightXpressSXVH9"};

// A zone's offset at a UTC moment, hours, by the rules the EU and New South
// Wales publish for 2026 (ISO texts in UTC compare as the moments do).
using OffsetRule = int (*)(const std::string& utc);
int romeIn2026(const std::string& utc)
{
    return utc >= "2026-03-29T01:00:00Z" && utc < "2026-10-25T01:00:00Z" ? 2 : 1;
}
int sydneyIn2026(const std::string& utc)
{
    return utc >= "2026-04-04T16:00:00Z" && utc < "2026-10-03T16:00:00Z" ? 10 : 11;
}

// "2026-03-28T17:31:17Z" moved on by `hours` and written with the offset.
std::string shifted(const std::string& utc, int hours)
{
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
    EXPECT_EQ(std::sscanf(utc.c_str(), "%d-%d-%dT%d:%d:%dZ", &year, &month, &day, &hour, &minute, &second), 6) << utc;
    using namespace std::chrono;
    const sys_seconds moment = sys_days(year_month_day(std::chrono::year(year), std::chrono::month(unsigned(month)),
                                   std::chrono::day(unsigned(day)))) +
        hours * 1h + std::chrono::hours(hour) + minutes(minute) + seconds(second);
    const sys_days date = floor<days>(moment);
    const year_month_day ymd(date);
    const hh_mm_ss time(moment - date);
    char text[40];
    std::snprintf(text, sizeof text, "%04d-%02u-%02uT%02ld:%02ld:%02ld+%02d:00", int(ymd.year()), unsigned(ymd.month()),
        unsigned(ymd.day()), long(time.hours().count()), long(time.minutes().count()), long(time.seconds().count()),
        hours);
    return text;
}

// Every "_utc" field of an object has its "_local" twin right after it,
// on the zone's clock; returns how many were set.
int checkLocalTwins(const Json& object, OffsetRule offset, const std::string& where)
{
    int set = 0;
    for (auto field = object.begin(); field != object.end(); ++field) {
        const std::string& id = field.key();
        if (!id.ends_with("_utc"))
            continue;
        const std::string twin = id.substr(0, id.size() - 4) + "_local";
        if (!object.contains(twin)) {
            ADD_FAILURE() << where << ": no " << twin;
            continue;
        }
        if (field->is_null()) {
            EXPECT_TRUE(object[twin].is_null()) << where << " " << twin;
            continue;
        }
        const std::string utc = field->get<std::string>();
        EXPECT_EQ(object[twin], shifted(utc, offset(utc))) << where << " " << id;
        ++set;
    }
    return set;
}

// Nights that span a change of the clocks: the evening on one offset, the
// morning on the other.
TEST(TimeZoneCli, EveryMomentGetsItsWallClockAcrossAChange)
{
    struct Night {
        const char* zone;
        const char* site;
        const char* date;
        OffsetRule offset;
        const char* evening; // the abbreviations text shows at dusk and at dawn
        const char* morning;
    };
    const Night nights[] = {
        {"Europe/Rome", "41.9,12.5", "2026-03-28T20:00Z", romeIn2026, "CET", "CEST"},
        {"Europe/Rome", "41.9,12.5", "2026-10-24T20:00Z", romeIn2026, "CEST", "CET"},
        {"Australia/Sydney", "-33.87,151.21", "2026-04-04T10:00Z", sydneyIn2026, "AEDT", "AEST"},
        {"Australia/Sydney", "-33.87,151.21", "2026-10-03T10:00Z", sydneyIn2026, "AEST", "AEDT"},
    };
    for (const Night& night : nights) {
        const std::vector<std::string> asked =
            with(kRig, {"--date", night.date, "--site", night.site, "--target", "M42", "--time-zone", night.zone});
        const Json answer = jsonOf(asked);
        const std::string where = std::string(night.zone) + " " + night.date;
        EXPECT_GE(checkLocalTwins(answer["night"], night.offset, where + " night"), 8) << where;
        EXPECT_GE(checkLocalTwins(answer["target_site"], night.offset, where + " target"), 3) << where;
        for (const Json& body : answer["bodies"])
            checkLocalTwins(body, night.offset, where + " " + body["body"].get<std::string>());

        const Invocation text = invoke(asked);
        ASSERT_EQ(text.status, 0) << text.err;
        const auto line = [&](const std::string& label) {
            const std::size_t at = text.out.find("  " + label + " ");
            return at == std::string::npos ? std::string() : text.out.substr(at, text.out.find('\n', at) - at);
        };
        EXPECT_TRUE(line("Sunset").ends_with(night.evening)) << line("Sunset");
        EXPECT_TRUE(line("Sunrise").ends_with(night.morning)) << line("Sunrise");
        EXPECT_EQ(text.out.find("(UTC)"), std::string::npos) << "no heading still says UTC";
    }
}

// CSV puts each twin in the column after its UTC one; without the option
// nothing is added, as scripts written before it expect.
TEST(TimeZoneCli, CsvAddsAColumnBesideEachUtcOneAndOnlyWhenAsked)
{
    const std::vector<std::string> asked =
        with(kRig, {"--date", "2026-10-24T20:00Z", "--site", "41.9,12.5", "--target", "M42", "--format", "csv"});
    const Invocation utcOnly = invoke(asked);
    const Invocation rome = invoke(with(asked, {"--time-zone", "Europe/Rome"}));
    ASSERT_EQ(utcOnly.status, 0) << utcOnly.err;
    ASSERT_EQ(rome.status, 0) << rome.err;
    EXPECT_EQ(utcOnly.out.find("_local"), std::string::npos);
    EXPECT_EQ(invoke(with(asked, {"--time-zone", "UTC"})).out, utcOnly.out);
    const auto cells = [](const std::string& line) { // quoted cells hold commas
        std::vector<std::string> split(1);
        bool quoted = false;
        for (const char c : line) {
            if (c == '"')
                quoted = !quoted;
            else if (c == ',' && !quoted)
                split.emplace_back();
            else
                split.back().push_back(c);
        }
        return split;
    };
    const std::vector<std::string> header = cells(rome.out.substr(0, rome.out.find('\n')));
    const std::size_t start = rome.out.find('\n') + 1;
    const std::vector<std::string> row = cells(rome.out.substr(start, rome.out.find('\n', start) - start));
    ASSERT_EQ(header.size(), row.size());
    int twins = 0;
    for (std::size_t i = 0; i + 1 < header.size(); ++i) {
        if (!header[i].ends_with("_utc"))
            continue;
        EXPECT_EQ(header[i + 1], header[i].substr(0, header[i].size() - 4) + "_local");
        if (row[i].empty())
            continue;
        EXPECT_EQ(row[i + 1], shifted(row[i], romeIn2026(row[i]))) << header[i];
        ++twins;
    }
    EXPECT_GE(twins, 8);
}

TEST(TimeZoneCli, AZoneTheDatabaseLacksIsRefusedWithTheClosest)
{
    const std::vector<std::string> rig = with(kRig, {"--date", "2026-10-24T20:00Z"});
    const Invocation slip = invoke(with(rig, {"--time-zone", "Europe/Rom"}));
    EXPECT_EQ(slip.status, 2);
    EXPECT_NE(slip.err.find("did you mean Europe/Rome"), std::string::npos) << slip.err;
    for (const char* bad : {"", "CET-1CEST", "../../etc/passwd", "Europe/Rome\xff"}) {
        const Invocation run = invoke(with(rig, {"--time-zone", bad}));
        EXPECT_EQ(run.status, 2) << bad;
        EXPECT_TRUE(run.out.empty()) << bad;
    }
}

} // namespace
} // namespace velmora::cli
