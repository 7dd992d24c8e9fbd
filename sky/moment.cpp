#include "moment.h"

#include <chrono>
#include <cstdio>

namespace velmora::sky {

bool exists(const UtcMoment& m)
{
    const std::chrono::year_month_day day {
        std::chrono::year(m.year), std::chrono::month(unsigned(m.month)), std::chrono::day(unsigned(m.day))};
    return day.ok() && m.hour >= 0 && m.hour <= 23 && m.minute >= 0 && m.minute <= 59 && m.second >= 0 && m.second < 60;
}

std::string isoText(const UtcMoment& m)
{
    char text[40];
    std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02dZ", m.year, m.month, m.day, m.hour, m.minute,
        static_cast<int>(m.second));
    return text;
}

UtcMoment currentMoment()
{
    using namespace std::chrono;
    const auto clock = system_clock::now();
    const auto day = floor<days>(clock);
    const year_month_day date(day);
    const hh_mm_ss time(floor<seconds>(clock - day));
    return {int(date.year()), int(unsigned(date.month())), int(unsigned(date.day())), int(time.hours().count()),
        int(time.minutes().count()), double(time.seconds().count())};
}

} // namespace velmora::sky
