#include "optics/read_noise.h"

#include <gtest/gtest.h>

namespace velmora::optics {
namespace {

// A sensor whose read mode switches between gains 99 and 100, given out of
// order as a file may list it.
const ReadNoiseTable kSwitching({{100, 1.46}, {0, 3.50}, {300, 0.80}, {99, 2.88}, {50, 3.20}});

struct GainCase {
    double gain;
    std::optional<double> readNoise;
};

class ReadNoiseAtGain : public testing::TestWithParam<GainCase> { };

TEST_P(ReadNoiseAtGain, IsReadBetweenItsNeighboursOnly)
{
    const auto [gain, expected] = GetParam();
    const std::optional<double> got = kSwitching.at(gain);
    ASSERT_EQ(got.has_value(), expected.has_value()) << gain;
    if (expected) {
        EXPECT_NEAR(*got, *expected, 1e-12) << gain;
    }
}

INSTANTIATE_TEST_SUITE_P(Table, ReadNoiseAtGain,
    testing::Values(GainCase {0, 3.50}, GainCase {300, 0.80}, GainCase {99, 2.88}, GainCase {100, 1.46},
        GainCase {25, 3.35}, // halfway from 0 to 50
        GainCase {74.5, 3.04}, // halfway from 50 to 99: the switch is not felt yet
        GainCase {99.5, 2.17}, // only inside the switch
        GainCase {200, 1.13}, // halfway from 100 to 300: the switch is behind
        GainCase {-1, std::nullopt}, GainCase {300.5, std::nullopt}));

TEST(ReadNoiseTable, KeepsItsPointsByGain)
{
    EXPECT_EQ(kSwitching.lowestGain(), 0);
    EXPECT_EQ(kSwitching.highestGain(), 300);
    EXPECT_EQ(kSwitching.points().size(), 5u);
    EXPECT_EQ(ReadNoiseTable({{120, 1.1}}).at(120), 1.1);
    EXPECT_THROW(ReadNoiseTable({}), std::invalid_argument);
}

} // namespace
} // namespace velmora::optics
