#include "exposure.h"

#include "units/angles.h"

#include <cmath>
#include <numbers>

namespace velmora::optics {

namespace {

constexpr double kVZeroPointFlux = 3.631e-9; // erg s^-1 cm^-2 A^-1 (Bessell, Castelli & Plez 1998)
constexpr double kVCentre = 545e-7; // cm
constexpr double kPlanck = 6.62607015e-27; // erg s
constexpr double kLightSpeed = 2.99792458e10; // cm s^-1
constexpr double kAngstromsPerNanometre = 10;
constexpr double kSquareCentimetresPerSquareMillimetre = 0.01;
constexpr double kBayerShare = 1.0 / 3; // of the band a colour pixel sees
constexpr double kMillimetresPerMicrometre = 1e-3;

} // namespace

double pixelSolidAngle(const OpticalTrain& train)
{
    const double perMicrometre = units::kArcsecPerRadian * kMillimetresPerMicrometre / train.effectiveFocalLength();
    return train.effectivePixelSize() * perMicrometre * train.effectivePixelHeight() * perMicrometre;
}

double zeroPointPhotons()
{
    return kVZeroPointFlux / (kPlanck * kLightSpeed / kVCentre);
}

double electronRate(double magnitude, const LightPath& p)
{
    const double area = std::numbers::pi / 4 * (p.aperture * p.aperture - p.obstruction * p.obstruction) *
        kSquareCentimetresPerSquareMillimetre;
    const double band = p.bandWidth * kAngstromsPerNanometre * (p.colour ? kBayerShare : 1);
    return zeroPointPhotons() * band * std::pow(10, -0.4 * magnitude) * area * p.pixelArea * p.quantumEfficiency *
        p.transmission;
}

double meanSurfaceBrightness(double magnitude, double a, double b)
{
    return magnitude + 2.5 * std::log10(std::numbers::pi / 4 * a * b);
}

double shortestSub(double readNoise, double skyRate, double increase)
{
    return readNoise * readNoise / (((1 + increase) * (1 + increase) - 1) * skyRate);
}

std::optional<double> longestSub(std::optional<double> fullWell, double skyRate, double share)
{
    if (!fullWell)
        return std::nullopt;
    return *fullWell * share / skyRate;
}

double signalToNoise(const PixelNoise& p, double seconds, double subs)
{
    const double signal = p.signalRate * seconds;
    const double noise = std::sqrt((p.signalRate + p.skyRate + p.darkRate) * seconds + p.readNoise * p.readNoise);
    return std::sqrt(subs) * signal / noise;
}

std::optional<double> skyLimitedSeconds(const PixelNoise& p, double target)
{
    if (!(p.signalRate > 0))
        return std::nullopt;
    return target * target * (p.signalRate + p.skyRate + p.darkRate) / (p.signalRate * p.signalRate);
}

std::optional<double> subsToReach(const PixelNoise& pixel, double seconds, double target)
{
    const double one = signalToNoise(pixel, seconds, 1);
    if (!(one > 0))
        return std::nullopt;
    return std::ceil((target / one) * (target / one));
}

} // namespace velmora::optics
