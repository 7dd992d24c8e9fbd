#include "ephemeris.h"

#include <libnova/libnova.h>

namespace velmora::sky {

namespace {

constexpr double kKmPerAu = 149'597'870.7; // IAU 2012

struct Series {
    double (*distanceAu)(double);
    double (*disk)(double);
};

Series seriesOf(Body body)
{
    switch (body) {
    case Body::Mercury:
        return {ln_get_mercury_earth_dist, ln_get_mercury_disk};
    case Body::Venus:
        return {ln_get_venus_earth_dist, ln_get_venus_disk};
    case Body::Mars:
        return {ln_get_mars_earth_dist, ln_get_mars_disk};
    case Body::Jupiter:
        return {ln_get_jupiter_earth_dist, ln_get_jupiter_disk};
    case Body::Saturn:
        return {ln_get_saturn_earth_dist, ln_get_saturn_disk};
    case Body::Uranus:
        return {ln_get_uranus_earth_dist, ln_get_uranus_disk};
    case Body::Neptune:
        return {ln_get_neptune_earth_dist, ln_get_neptune_disk};
    case Body::Pluto:
        return {ln_get_pluto_earth_dist, ln_get_pluto_disk};
    case Body::Sun:
    case Body::Moon:
        break;
    }
    return {ln_get_earth_solar_dist, nullptr};
}

} // namespace

BodyPosition positionAt(Body body, double julianEphemerisDay)
{
    if (body == Body::Moon)
        return {ln_get_lunar_earth_dist(julianEphemerisDay), ln_get_lunar_disk(julianEphemerisDay)};
    const Series series = seriesOf(body);
    return {series.distanceAu(julianEphemerisDay) * kKmPerAu, series.disk ? series.disk(julianEphemerisDay) : 1.0};
}

double julianEphemerisDay(int year, int month, int day, int hour, int minute, double second)
{
    ln_date date {year, month, day, hour, minute, second};
    return ln_get_jde(ln_get_julian_day(&date));
}

ValidYears validYears(Body body)
{
    // Pluto's series (Meeus, chapter 37) covers 1885 to 2099 only.
    return body == Body::Pluto ? ValidYears {1885, 2099} : ValidYears {1800, 2200};
}

} // namespace velmora::sky
