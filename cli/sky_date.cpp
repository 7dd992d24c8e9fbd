#include "sky_date.h"

#include "usage_error.h"

#include <chrono>
#include <cstdio>
#include <regex>

namespace velmora::cli {

namespace {

std::string written(const SkyDate& d)
{
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02dZ", d.year, d.month, d.day, d.hour, d.minute,
        static_cast<int>(d.second));
    return text;
}

SkyDate now()
{
    using namespace std::chrono;
    const auto clock = system_clock::now();
    const auto day = floor<days>(clock);
    const year_month_day date(day);
    const hh_mm_ss time(floor<seconds>(clock - day));
    return {int(date.year()), int(unsigned(date.month())), int(unsigned(date.day())), int(time.hours().count()),
        int(time.minutes().count()), double(time.seconds().count()), {}};
}

} // namespace

SkyDate parseSkyDate(const std::string& text)
{
    SkyDate date {};
    if (text == "now") {
        date = now();
    } else {
        static const std::regex iso(R"((\d{4})-(\d{2})-(\d{2})(?:T(\d{2}):(\d{2})(?::(\d{2}))?Z)?)");
        std::smatch part;
        if (!std::regex_match(text, part, iso))
            throw UsageError("--date: '" + text + "' is not YYYY-MM-DD, YYYY-MM-DDTHH:MMZ or now");
        const auto number = [&](std::size_t i) { return part[i].matched ? std::stoi(part[i].str()) : 0; };
        date = {number(1), number(2), number(3), number(4), number(5), double(number(6)), {}};
        const std::chrono::year_month_day day {
            std::chrono::year(date.year), std::chrono::month(unsigned(date.month)), std::chrono::day(unsigned(date.day))};
        if (!day.ok() || date.hour > 23 || date.minute > 59 || date.second > 59)
            throw UsageError("--date: '" + text + "' is not a date and time that exists");
    }
    if (date.year < 1800 || date.year > 2200)
        throw UsageError("--date: '" + text + "' lies outside 1800 to 2200, where the ephemeris holds");
    date.text = written(date);
    return date;
}

} // namespace velmora::cli
