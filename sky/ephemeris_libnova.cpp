#include "ephemeris.h"

#include "places.h"
#include "units/angles.h"

#include <libnova/libnova.h>

#include <algorithm>
#include <cmath>

namespace velmora::sky {

namespace {

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

double ephemerisDayOf(double julianDay)
{
    return ln_get_jde(julianDay);
}

double julianDay(int year, int month, int day, int hour, int minute, double second)
{
    ln_date date {year, month, day, hour, minute, second};
    return ln_get_julian_day(&date);
}

UtcMoment utcMomentOf(double julianDay)
{
    ln_date date {};
    ln_get_date(julianDay, &date);
    return {date.years, date.months, date.days, date.hours, date.minutes, date.seconds};
}

namespace {

// libnova's places are referred to the equator of J2000; the sky above a
// site turns on the true equator of the date: precession, then nutation
// (Meeus, Astronomical Algorithms, 23.1).
ln_equ_posn ofDate(const ln_equ_posn& j2000, double jde, const ln_nutation& nutation)
{
    ln_equ_posn mean {};
    ln_get_equ_prec(const_cast<ln_equ_posn*>(&j2000), jde, &mean);
    constexpr double radian = units::radians(1);
    const double ra = mean.ra * radian;
    const double tanDec = std::tan(mean.dec * radian);
    const double obliquity = nutation.ecliptic * radian;
    const double dRa = (std::cos(obliquity) + std::sin(obliquity) * std::sin(ra) * tanDec) * nutation.longitude -
        std::cos(ra) * tanDec * nutation.obliquity;
    const double dDec = std::sin(obliquity) * std::cos(ra) * nutation.longitude + std::sin(ra) * nutation.obliquity;
    return {mean.ra + dRa, mean.dec + dDec};
}

constexpr double kNodeStep = 0.5; // days
constexpr int kNodes = 9; // two days either side

} // namespace

BodyTrack::BodyTrack(Body body, double julianDay) : first_(julianDay - kNodeStep * (kNodes / 2))
{
    ln_nutation nutation {};
    ln_get_nutation(ln_get_jde(julianDay), &nutation); // changes too slowly to follow over days
    equationOfEquinoxes_ = nutation.longitude * std::cos(units::radians(nutation.ecliptic));
    // Pluto crawls and its series is by far the slowest: its ends and middle
    // are computed, and its other nodes read between them.
    const int every = body == Body::Pluto ? kNodes / 2 : 1;
    nodes_.resize(kNodes);
    for (int i = 0; i < kNodes; i += every) {
        const double jde = ln_get_jde(first_ + i * kNodeStep);
        const J2000Place place = j2000Place(body, jde);
        const ln_equ_posn equ = ofDate({place.ra, place.dec}, jde, nutation);
        // Right ascension unwrapped across 0h, so that it interpolates smoothly.
        const double ra =
            i == 0 ? equ.ra : equ.ra + 360 * std::round((nodes_[std::size_t(i - every)].ra - equ.ra) / 360);
        nodes_[static_cast<std::size_t>(i)] = {ra, equ.dec, place.distanceAu};
    }
    if (every > 1) {
        const Place ends[3] = {nodes_.front(), nodes_[kNodes / 2], nodes_.back()};
        for (int i = 0; i < kNodes; ++i)
            nodes_[static_cast<std::size_t>(i)] = between(ends, double(i - kNodes / 2) / (kNodes / 2));
    }
}

BodyTrack::Place BodyTrack::placeAt(double julianDay) const
{
    const double steps = (julianDay - first_) / kNodeStep;
    const int middle = std::clamp(static_cast<int>(std::lround(steps)), 1, kNodes - 2);
    const Place around[3] = {nodes_[static_cast<std::size_t>(middle - 1)], nodes_[static_cast<std::size_t>(middle)],
        nodes_[static_cast<std::size_t>(middle + 1)]};
    Place place = between(around, steps - middle);
    place.ra = std::fmod(place.ra + 720, 360.0);
    return place;
}

// Lagrange through three places a step apart; n in steps from the middle one.
BodyTrack::Place BodyTrack::between(const Place (&p)[3], double n)
{
    const auto quadratic = [n](double x, double y, double z) {
        return y + n / 2 * (z - x) + n * n / 2 * (x - 2 * y + z);
    };
    return {quadratic(p[0].ra, p[1].ra, p[2].ra), quadratic(p[0].dec, p[1].dec, p[2].dec),
        quadratic(p[0].distanceAu, p[1].distanceAu, p[2].distanceAu)};
}

BodyTrack::BodyTrack(const Place& ofDate, double julianDay, double equationOfEquinoxes) :
      equationOfEquinoxes_(equationOfEquinoxes), first_(julianDay - kNodeStep * (kNodes / 2)),
      nodes_(kNodes, Place {ofDate.ra, ofDate.dec, 1e12}) // so far away that it shows no parallax
{
}

PlacesOfDate::PlacesOfDate(double julianDay) : julianDay_(julianDay), jde_(ln_get_jde(julianDay))
{
    ln_nutation nutation {};
    ln_get_nutation(jde_, &nutation);
    nutation_[0] = nutation.longitude;
    nutation_[1] = nutation.obliquity;
    nutation_[2] = nutation.ecliptic;
}

BodyTrack::Place PlacesOfDate::of(double rightAscension, double declination) const
{
    const ln_nutation nutation {nutation_[0], nutation_[1], nutation_[2]};
    const ln_equ_posn equ = ofDate({rightAscension, declination}, jde_, nutation);
    return {std::fmod(equ.ra + 360, 360.0), equ.dec, 0};
}

BodyTrack PlacesOfDate::track(double rightAscension, double declination) const
{
    return {of(rightAscension, declination), julianDay_, nutation_[0] * std::cos(units::radians(nutation_[2]))};
}

double siderealDegrees(double julianDay, double longitude)
{
    return std::fmod(ln_get_apparent_sidereal_time(julianDay) * 15 + longitude + 720, 360.0);
}

Horizontal BodyTrack::horizontalAt(double julianDay, const GeoSite& site) const
{
    // Meeus, Astronomical Algorithms, 13.5 and 13.6 for the horizon, 40.6 and
    // 40.7 for the parallax: written out here, as libnova's own would compute
    // the nutation afresh at every one of a night's many places.
    constexpr double radian = units::radians(1);
    const Place place = placeAt(julianDay);
    const double hourAngle =
        (ln_get_mean_sidereal_time(julianDay) * 15 + equationOfEquinoxes_ + site.longitude - place.ra) * radian;
    const double latitude = site.latitude * radian;
    // The observer's place on the Earth's spheroid (IAU 1976, flattening 1/298.257).
    const double u = std::atan(0.99664719 * std::tan(latitude));
    const double rhoSin = 0.99664719 * std::sin(u) + site.elevation / 6378140 * std::sin(latitude);
    const double rhoCos = std::cos(u) + site.elevation / 6378140 * std::cos(latitude);
    const double sinParallax = std::sin(8.794 / units::kArcsecPerDegree * radian) / place.distanceAu;
    const double dec = place.dec * radian;
    const double denominator = std::cos(dec) - rhoCos * sinParallax * std::cos(hourAngle);
    const double shift = std::atan2(-rhoCos * sinParallax * std::sin(hourAngle), denominator);
    const double topoDec = std::atan2((std::sin(dec) - rhoSin * sinParallax) * std::cos(shift), denominator);
    const double topoHourAngle = hourAngle - shift;
    const double altitude = std::asin(
        std::sin(latitude) * std::sin(topoDec) + std::cos(latitude) * std::cos(topoDec) * std::cos(topoHourAngle));
    const double fromSouth = std::atan2(
        std::sin(topoHourAngle), std::cos(topoHourAngle) * std::sin(latitude) - std::tan(topoDec) * std::cos(latitude));
    return {altitude / radian, std::fmod(fromSouth / radian + 540, 360)};
}

double BodyTrack::hourAngleAt(double julianDay, const GeoSite& site) const
{
    const double siderealDegrees = ln_get_mean_sidereal_time(julianDay) * 15 + equationOfEquinoxes_;
    return std::remainder(siderealDegrees + site.longitude - placeAt(julianDay).ra, 360.0);
}

ValidYears validYears(Body body)
{
    // Pluto's series (Meeus, chapter 37) covers 1885 to 2099 only.
    return body == Body::Pluto ? ValidYears {1885, 2099} : ValidYears {1800, 2200};
}

} // namespace velmora::sky
