#include "optics/sampling.h"

#include <gtest/gtest.h>

namespace velmora::optics {
namespace {

// A train whose pixel field is taken as 0.5 arcseconds.
const OpticalTrain kTrain {200, 1000, 4, 640, 480};
constexpr double kField = 0.5;

struct VerdictRow {
    double seeing;
    const char* rule;
    Verdict verdict;
    double pixelsPerFwhm; // the star's FWHM spans this many 0.5" pixels
};

TEST(Sampling, VerdictsHoldTheRulesBoundsInclusive)
{
    const VerdictRow rows[] = {{0.99, "2-3", Verdict::Undersampled, 1.98}, {1.0, "2-3", Verdict::WellSampled, 2},
        {1.5, "2-3", Verdict::WellSampled, 3}, {1.51, "2-3", Verdict::Oversampled, 3.02},
        {0.74, "howell", Verdict::Undersampled, 1.48}, {0.75, "howell", Verdict::WellSampled, 1.5},
        {100, "howell", Verdict::WellSampled, 200}};
    for (const VerdictRow& row : rows) {
        const SamplingAdvice advice = adviseSampling(kTrain, kField, row.seeing, 550, *findSamplingRule(row.rule));
        EXPECT_EQ(advice.verdict, row.verdict) << row.seeing << " under " << row.rule;
        EXPECT_NEAR(advice.pixelsPerFwhm, row.pixelsPerFwhm, 1e-12);
    }
    EXPECT_EQ(findSamplingRule("nyquist"), nullptr);
}

TEST(Sampling, TheAdvisedBarlowsBringTheTrainToTheWindowsEnds)
{
    OpticalTrain train = kTrain;
    train.barlow = 2; // the bare tube's field is then 1"
    const SamplingAdvice advice = adviseSampling(train, kField, 2.5, 550, *findSamplingRule("2-3"));
    for (const auto& [barlow, pixels] : {std::pair {advice.fewestBarlow, 2.0}, std::pair {advice.mostBarlow, 3.0}}) {
        const double field = kField * train.barlow / barlow;
        EXPECT_NEAR(2.5 / field, pixels, 1e-12) << barlow;
    }
    EXPECT_TRUE(std::isinf(adviseSampling(train, kField, 2.5, 550, *findSamplingRule("howell")).mostBarlow));
}

TEST(Sampling, GoodBinningsAreThoseWhoseFieldFallsInTheWindow)
{
    const SamplingRule& rule = *findSamplingRule("2-3");
    EXPECT_EQ(adviseSampling(kTrain, kField, 2.0, 550, rule).goodBinnings, std::vector<int> {2}); // 4, 2, 1.33, 1 px
    EXPECT_EQ(adviseSampling(kTrain, kField, 1.5, 550, rule).goodBinnings, std::vector<int> {1}); // 3, 1.5 px
    EXPECT_EQ(adviseSampling(kTrain, kField, 3.0, 550, rule).goodBinnings, (std::vector<int> {2, 3})); // 3, 2 px
    OpticalTrain binned = kTrain;
    binned.binning = 2; // the same field now comes from 2 x 2 pixels
    EXPECT_EQ(
        adviseSampling(binned, kField, 2.0, 550, rule).goodBinnings, (std::vector<int> {3, 4})); // 8, 4, 2.67, 2 px
}

// A published worked figure: 3.76 um pixels call for f/13.7 at 550 nm.
TEST(Sampling, CriticalFocalRatioMatchesThePublishedFigure)
{
    OpticalTrain train {200, 1000, 3.76, 640, 480};
    const SamplingAdvice advice = adviseSampling(train, kField, 2, 550, *findSamplingRule("2-3"));
    EXPECT_NEAR(advice.criticalFocalRatio, 13.7, 0.05);
    EXPECT_NEAR(advice.barlowForCriticalRatio * 1000 / 200, advice.criticalFocalRatio, 1e-12);
    train.binning = 2;
    EXPECT_NEAR(adviseSampling(train, kField, 2, 550, *findSamplingRule("2-3")).criticalFocalRatio, 27.35, 0.05);
    EXPECT_NEAR(adviseSampling(train, kField, 2, 656, *findSamplingRule("2-3")).criticalFocalRatio, 22.93, 0.05);
}

} // namespace
} // namespace velmora::optics
