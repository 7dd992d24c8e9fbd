#include "optics/exposure.h"

#include <gtest/gtest.h>

#include <cmath>

namespace velmora::optics {
namespace {

// The worked check: 100 mm at 500 mm with 3.76 um pixels (1.551"/px), QE
// 0.8, transmission 1, mono, a 300 nm band, SQM 21.0, read noise 1.46 e-
// and a 5% noise increase: about 1.80 e-/px/s and a sub of about 11.6 s.
// The sky rate is derived here a second way, in SI units step by step.
TEST(Exposure, TheWorkedCheckHoldsAgainstADerivationInSiUnits)
{
    const OpticalTrain train {100, 500, 3.76, 6248, 4176};
    const double pixelField = 206.264806247 * 3.76 / 500; // arcseconds a radian, published
    const LightPath path {100, 0, pixelSolidAngle(train), 300, 0.8, 1, false};
    const double flux = 3.631e-11; // W m^-2 nm^-1, the same zero point
    const double photonEnergy = 6.62607015e-34 * 299792458.0 / 545e-9; // J
    const double area = M_PI * 0.05 * 0.05; // m^2
    const double sky = flux * 300 / photonEnergy * area * std::pow(10, -8.4) * pixelField * pixelField * 0.8;
    EXPECT_NEAR(electronRate(21, path), sky, sky * 1e-9);
    EXPECT_NEAR(electronRate(21, path), 1.80, 0.005);
    EXPECT_NEAR(shortestSub(1.46, electronRate(21, path), 0.05), 11.6, 0.05);
    EXPECT_NEAR(zeroPointPhotons(), 996, 0.5);
}

// 1.551" a side unbinned; binning and a barlow act on each side, a taller
// pixel on its height.
TEST(Exposure, APixelSeesItsFieldAlongBothSides)
{
    OpticalTrain train {100, 500, 3.76, 6248, 4176};
    EXPECT_NEAR(std::sqrt(pixelSolidAngle(train)), 1.551, 0.0005);
    const double plain = pixelSolidAngle(train);
    train.binning = 2;
    EXPECT_NEAR(pixelSolidAngle(train) / plain, 4, 1e-12);
    train.barlow = 2;
    EXPECT_NEAR(pixelSolidAngle(train) / plain, 1, 1e-12);
    train.binning = 1, train.barlow = 1, train.pixelHeight = 3.76 * 1.5;
    EXPECT_NEAR(pixelSolidAngle(train) / plain, 1.5, 1e-12);
}

// At the shortest sub the read noise raises the sky's noise by just the
// increase asked for.
TEST(Exposure, TheShortestSubRaisesTheSkysNoiseByTheIncrease)
{
    for (const double increase : {0.01, 0.05, 0.1, 0.5}) {
        for (const double readNoise : {0.8, 1.46, 3.5, 9.0}) {
            const double sky = 1.8;
            const double t = shortestSub(readNoise, sky, increase);
            const double withRead = std::sqrt(sky * t + readNoise * readNoise);
            EXPECT_NEAR(withRead / std::sqrt(sky * t), 1 + increase, 1e-12) << increase << ' ' << readNoise;
        }
    }
}

// Four times the subs double the signal-to-noise; enough subs reach the
// target and one fewer does not.
TEST(Exposure, FourTimesTheSubsDoubleTheSignalToNoise)
{
    const PixelNoise pixel {0.3, 1.8, 0.01, 1.46};
    EXPECT_NEAR(signalToNoise(pixel, 60, 40) / signalToNoise(pixel, 60, 10), 2, 1e-12);
    const double subs = *subsToReach(pixel, 60, 10);
    EXPECT_GE(signalToNoise(pixel, 60, subs), 10);
    EXPECT_LT(signalToNoise(pixel, 60, subs - 1), 10);
    EXPECT_FALSE(subsToReach({0, 1.8, 0, 1.46}, 60, 10));
}

struct Factor {
    const char* what;
    LightPath changed;
    double ratio; // of the rate, against the plain path
};

// What each part of the chain does to the rate.
TEST(Exposure, EachPartOfTheChainScalesTheRate)
{
    const LightPath plain {200, 0, 1, 300, 0.6, 0.9, false};
    const Factor rows[] = {
        {"a colour sensor's pixel sees a third of the band", {200, 0, 1, 300, 0.6, 0.9, true}, 1.0 / 3},
        {"binned 2x2, the pixel sees four times the sky", {200, 0, 4, 300, 0.6, 0.9, false}, 4},
        {"a third of the diameter obstructed", {200, 200.0 / 3, 1, 300, 0.6, 0.9, false}, 8.0 / 9},
        {"half the band", {200, 0, 1, 150, 0.6, 0.9, false}, 0.5},
        {"twice the aperture", {400, 0, 1, 300, 0.6, 0.9, false}, 4},
        {"QE 0.9", {200, 0, 1, 300, 0.9, 0.9, false}, 1.5},
    };
    for (const Factor& row : rows)
        EXPECT_NEAR(electronRate(20, row.changed) / electronRate(20, plain), row.ratio, 1e-12) << row.what;
    EXPECT_NEAR(electronRate(20, plain) / electronRate(21, plain), std::pow(10, 0.4), 1e-12) << "a magnitude";
    EXPECT_NEAR(meanSurfaceBrightness(10, 60, 60) - meanSurfaceBrightness(10, 30, 30), 2.5 * std::log10(4), 1e-12);
    EXPECT_NEAR(*longestSub(20000, 2, 0.5), 5000, 1e-9);
    EXPECT_FALSE(longestSub(std::nullopt, 2, 0.5));
}

} // namespace
} // namespace velmora::optics
