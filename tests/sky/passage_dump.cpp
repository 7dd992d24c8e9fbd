// Prints each body's pass as the site sees it, for a comparison with an
// independent ephemeris (passage_vs_pyephem.py). A line in, "LAT LON ELEV
// YEAR MONTH DAY HOUR MINUTE"; a line out for each body: its name, the
// verdict, the rise, transit and set as Julian Days (UT; "-" for none) and
// the altitude at the moment. The air is left out (no pressure), so that the
// two compare the geometry alone.
#include "sky/bodies.h"

#include <cstdio>
#include <iomanip>
#include <iostream>

int main()
{
    using namespace velmora::sky;
    const auto jd = [](const std::optional<double>& t) {
        char text[32] = "-";
        if (t)
            std::snprintf(text, sizeof text, "%.8f", *t);
        return std::string(text);
    };
    GeoSite site {};
    UtcMoment m {};
    while (std::cin >> site.latitude >> site.longitude >> site.elevation >> m.year >> m.month >> m.day >> m.hour >>
        m.minute) {
        const Observation observation {site, 0.0, 10, 50, 30, 400, 700, false, {}, {}, {}};
        const SkyView sky = viewSky({200, 1000, 5, 640, 480}, 1, m, observation);
        for (const BodyView& body : sky.bodies) {
            const SiteView& v = *body.fromSite;
            std::cout << body.facts->name << ' ' << static_cast<int>(v.passage) << ' ' << jd(v.rise) << ' '
                      << jd(v.transit) << ' ' << jd(v.set) << ' ' << std::setprecision(9) << v.altitude << '\n';
        }
        std::cout << "end\n";
    }
}
