#include "passage.h"

#include "units/angles.h"

#include <cmath>
#include <vector>

namespace velmora::sky {

namespace {

// Ten minutes, in days: a pass shorter than that, away from the meridian,
// is a graze too brief to time.
constexpr double kStep = 10.0 / units::kMinutesPerDay;
constexpr int kDaySteps = 144;

using Test = std::function<bool(double)>;

// The upper meridian crossings from `first` on, for `days`: the hour angle
// passing zero upwards (its jump from 180 to -180 is the lower crossing).
std::vector<double> transitsFrom(double first, double days, const std::function<double(double)>& hourAngle)
{
    std::vector<double> found;
    const Test east = [&](double t) { return hourAngle(t) < 0; };
    double before = hourAngle(first);
    for (int i = 1; i * kStep <= days; ++i) {
        const double t = first + i * kStep;
        const double after = hourAngle(t);
        if (before < 0 && after >= 0 && after - before < 180)
            found.push_back(changeBetween(t - kStep, t, east));
        before = after;
    }
    return found;
}

// The highest point of `height` between `from` and `to`: the best moment on
// the grid, then a golden-section search around it.
double highestBetween(double from, double to, const std::function<double(double)>& height)
{
    double best = from;
    double highest = height(from);
    for (double t = from + kStep; t <= to; t += kStep) {
        if (const double h = height(t); h > highest) {
            best = t;
            highest = h;
        }
    }
    double a = std::max(from, best - kStep);
    double b = std::min(to, best + kStep);
    const double golden = (std::sqrt(5.0) - 1) / 2;
    for (int i = 0; i < 30; ++i) {
        const double left = b - golden * (b - a);
        const double right = a + golden * (b - a);
        if (height(left) < height(right))
            a = left;
        else
            b = right;
    }
    return (a + b) / 2;
}

} // namespace

double changeBetween(double a, double b, const std::function<bool(double)>& holds)
{
    const bool atA = holds(a);
    for (int i = 0; i < 14; ++i) {
        const double middle = (a + b) / 2;
        (holds(middle) == atA ? a : b) = middle;
    }
    return (a + b) / 2;
}

PassageTimes passageAround(double julianDay, const SkyPath& path, double reach)
{
    const Test up = [&](double t) { return path.height(t) >= 0; };
    const std::vector<double> transits = transitsFrom(julianDay - reach, 2 * reach, path.hourAngle);
    const auto nearestTransit = [&](double from, double to) {
        std::optional<double> nearest;
        for (double t : transits) {
            if (t >= from && t <= to && (!nearest || std::fabs(t - julianDay) < std::fabs(*nearest - julianDay)))
                nearest = t;
        }
        return nearest;
    };

    // The day around the moment, on the grid and at each transit in it, so
    // that a pass that only grazes the horizon at its transit still counts.
    bool anyDown = false;
    std::optional<double> nearestUp;
    const auto look = [&](double t) {
        if (!up(t))
            anyDown = true;
        else if (!nearestUp || std::fabs(t - julianDay) < std::fabs(*nearestUp - julianDay))
            nearestUp = t;
    };
    for (int i = -kDaySteps / 2; i <= kDaySteps / 2; ++i)
        look(julianDay + i * kStep);
    for (double t : transits) {
        if (std::fabs(t - julianDay) <= 0.5)
            look(t);
    }
    if (!nearestUp)
        return {Passage::NeverAbove, std::nullopt, std::nullopt, std::nullopt};
    if (!anyDown)
        return {Passage::AlwaysAbove, std::nullopt, nearestTransit(julianDay - reach, julianDay + reach), std::nullopt};

    // Out from there, each way, to where the body goes down.
    const auto edge = [&](double from, int direction) -> std::optional<double> {
        for (int i = 1; std::fabs(from + direction * i * kStep - julianDay) <= reach; ++i) {
            const double t = from + direction * i * kStep;
            if (!up(t))
                return changeBetween(t - direction * kStep, t, up);
        }
        return std::nullopt;
    };
    PassageTimes times {Passage::RisesAndSets, edge(*nearestUp, -1), std::nullopt, edge(*nearestUp, 1)};
    const double from = times.rise.value_or(julianDay - reach);
    const double to = times.set.value_or(julianDay + reach);
    times.transit = nearestTransit(from, to);
    if (!times.transit)
        times.transit = highestBetween(from, to, path.height);
    return times;
}

} // namespace velmora::sky
