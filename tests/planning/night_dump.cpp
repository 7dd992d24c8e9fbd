// Prints a night at a site and one target's figures in it, for a
// comparison with an independent ephemeris (night_vs_pyephem.py). A line in:
// "LAT LON ELEV YEAR MONTH DAY HOUR MINUTE RA DEC MINALT HORIZON D W", RA and
// Dec the target's J2000 place in degrees, HORIZON a horizon file or "-", D
// and W the Moon avoidance's distance and width. A line
// out: the Sun's lower transit, the eight twilight edges (sunset, the ends
// of civil, nautical and astronomical twilight, their starts, sunrise), the
// Moon's altitude, lit fraction and days from full, the avoidance distance,
// the target's separation from the Moon, its usable hours with and without
// the Moon, its transit nearest the night's middle and its altitude there,
// the hours of its longest usable stretch, and the dark hours with the
// Moon down; times as Julian Days (UT), "-" for none. The air is the
// standard atmosphere's at the site's elevation, at 10 C.
#include "formats/horizon_file.h"
#include "planning/tonight.h"
#include "sky/atmosphere.h"

#include <cstdio>
#include <iostream>
#include <string>

int main()
{
    using namespace velmora;
    sky::GeoSite site {};
    sky::UtcMoment m {};
    double ra = 0, dec = 0, minAltitude = 0;
    std::string horizon;
    sky::MoonAvoidance avoidance;
    while (std::cin >> site.latitude >> site.longitude >> site.elevation >> m.year >> m.month >> m.day >> m.hour >>
        m.minute >> ra >> dec >> minAltitude >> horizon >> avoidance.distance >> avoidance.width) {
        const sky::Observation observation {site, std::nullopt, 10, 50, minAltitude, 400, 700, false, std::nullopt,
            horizon == "-" ? sky::HorizonProfile() : formats::readHorizonFile(horizon), avoidance};
        const planning::Tonight tonight(observation, m);
        sky::DeepSkyObject object;
        object.rightAscensionDeg = ra;
        object.declinationDeg = dec;
        const planning::NightFigures& f = tonight.figures();
        const auto jd = [](const std::optional<double>& t) {
            char text[32] = "-";
            if (t)
                std::snprintf(text, sizeof text, "%.8f", *t);
            return std::string(text);
        };
        std::cout << jd(f.twilight.midnight);
        for (const sky::DarknessLevel& level : sky::kDarknessLevels)
            std::cout << ' ' << jd(f.twilight.at(level.darkness).evening);
        for (auto level = sky::kDarknessLevels.rbegin(); level != sky::kDarknessLevels.rend(); ++level)
            std::cout << ' ' << jd(f.twilight.at(level->darkness).morning);
        const planning::Tonight::Glance glance = tonight.glanceAt(object);
        const auto& longest = glance.hours.usable.longest;
        std::printf(" %.6f %.6f %.6f %.6f %.6f %.6f %.6f %.8f %.6f %.6f %.6f\n", f.moonAltitude, f.moonIlluminated,
            f.daysFromFullMoon, f.moonAvoidance, glance.moonSeparation, glance.hours.usable.hours,
            glance.hours.ignoringMoon.hours, glance.transit, glance.transitAltitude,
            longest ? longest->days() * 24 : 0.0, f.moonDown.hours);
        std::cout.flush();
    }
}
