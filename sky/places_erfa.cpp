#include "places.h"

#include "units/angles.h"

#include <erfa.h>
#include <libnova/libnova.h>

#include <array>
#include <cmath>

namespace velmora::sky {

namespace {

constexpr double kLightDaysPerAu = 499.004783836 / 86400;

// ERFA's planet numbers, Mercury to Neptune.
int planetNumber(Body body)
{
    switch (body) {
    case Body::Mercury:
        return 1;
    case Body::Venus:
        return 2;
    case Body::Mars:
        return 4;
    case Body::Jupiter:
        return 5;
    case Body::Saturn:
        return 6;
    case Body::Uranus:
        return 7;
    case Body::Neptune:
        return 8;
    case Body::Sun:
    case Body::Moon:
    case Body::Pluto:
        break;
    }
    return 0;
}

// The Earth's heliocentric place, the longest of the series: every body's
// track asks for it at the same moments, so the last few are kept.
const double* earthAt(double jde)
{
    struct Kept {
        double jde = 0;
        double helio[2][3] {};
    };
    thread_local std::array<Kept, 16> kept;
    thread_local std::size_t next = 0;
    for (const Kept& k : kept) {
        if (k.jde == jde)
            return k.helio[0];
    }
    Kept& fresh = kept[next++ % kept.size()];
    double barycentric[2][3] {};
    eraEpv00(jde, 0, fresh.helio, barycentric);
    fresh.jde = jde;
    return fresh.helio[0];
}

J2000Place placeOf(const double (&p)[3])
{
    double ra = 0;
    double dec = 0;
    eraC2s(const_cast<double*>(p), &ra, &dec);
    constexpr double degrees = units::degrees(1);
    return {eraAnp(ra) * degrees, dec * degrees, eraPm(const_cast<double*>(p))};
}

} // namespace

J2000Place j2000Place(Body body, double jde)
{
    if (body == Body::Pluto) {
        ln_equ_posn equ {};
        ln_get_pluto_equ_coords(jde, &equ);
        return {equ.ra, equ.dec, ln_get_pluto_earth_dist(jde)};
    }
    double moon[2][3] {};
    if (body == Body::Moon) {
        eraMoon98(jde, 0, moon);
        return placeOf(moon[0]);
    }
    const double* earth = earthAt(jde);
    double geocentric[3] {-earth[0], -earth[1], -earth[2]};
    if (body != Body::Sun) {
        // The planet where it was when its light left, one step of light time.
        double planet[2][3] {};
        eraPlan94(jde, 0, planetNumber(body), planet);
        double seen[3] {};
        eraPmp(planet[0], const_cast<double*>(earth), seen);
        eraPlan94(jde - eraPm(seen) * kLightDaysPerAu, 0, planetNumber(body), planet);
        eraPmp(planet[0], const_cast<double*>(earth), geocentric);
    }
    return placeOf(geocentric);
}

} // namespace velmora::sky
