#pragma once

#include <numbers>

// Angle and time units, in one place: every conversion the core makes
// between them goes through these names.
namespace velmora::units {

inline constexpr double kArcminPerDegree = 60;
inline constexpr double kArcsecPerArcmin = 60;
inline constexpr double kArcsecPerDegree = kArcminPerDegree * kArcsecPerArcmin;
inline constexpr double kArcsecPerRadian = 180 * kArcsecPerDegree / std::numbers::pi;
inline constexpr double kSecondsPerHour = 3600;
inline constexpr double kMinutesPerDay = 24 * 60;
// How far the stars turn in a day of the clock: a fixed object's hour angle
// gains this many degrees, the mean Sun's 360.
inline constexpr double kSiderealDegreesPerDay = 360 * 1.00273790935;

constexpr double radians(double degrees)
{
    return degrees * std::numbers::pi / 180;
}

constexpr double degrees(double radians)
{
    return radians * 180 / std::numbers::pi;
}

constexpr double arcminutes(double radians)
{
    return degrees(radians) * kArcminPerDegree;
}

} // namespace velmora::units
