#include "sky/passage.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace velmora::sky {
namespace {

constexpr double kSecond = 1.0 / 86400;
constexpr double kJd = 2461000.5;

// A body on a circle: its height swings about `middle` by `swing` degrees,
// highest at the transit `transit` (days from kJd), once every `period` days.
struct Swing {
    double middle, swing, transit, period = 1;

    SkyPath path() const
    {
        return {[s = *this](double t) { return s.middle + s.swing * std::cos(s.phase(t)); },
            [s = *this](double t) { return std::remainder(s.phase(t) * 180 / std::numbers::pi, 360.0); }};
    }
    double phase(double t) const { return 2 * std::numbers::pi * (t - kJd - transit) / period; }
    // The horizon crossings of the pass around transit + n periods, worked out exactly.
    double rise(int n = 0) const { return kJd + transit + n * period - halfPass(); }
    double set(int n = 0) const { return kJd + transit + n * period + halfPass(); }
    double halfPass() const { return std::acos(-middle / swing) / (2 * std::numbers::pi) * period; }
};

struct SwingCase {
    const char* name;
    Swing swing;
    Passage passage;
    int pass; // which pass is given, counted from the one around `transit`
};

class PassageOfASwing : public ::testing::TestWithParam<SwingCase> { };

TEST_P(PassageOfASwing, TimesAreTheExactCrossings)
{
    const SwingCase& c = GetParam();
    const PassageTimes times = passageAround(kJd, c.swing.path(), 1.75);
    EXPECT_EQ(times.passage, c.passage);
    if (c.passage == Passage::NeverAbove) {
        EXPECT_FALSE(times.rise || times.transit || times.set);
        return;
    }
    ASSERT_TRUE(times.transit);
    EXPECT_NEAR(*times.transit, kJd + c.swing.transit + c.pass * c.swing.period, 0.1 * kSecond);
    if (c.passage == Passage::AlwaysAbove) {
        EXPECT_FALSE(times.rise || times.set);
        return;
    }
    ASSERT_TRUE(times.rise && times.set);
    EXPECT_NEAR(*times.rise, c.swing.rise(c.pass), 0.1 * kSecond);
    EXPECT_NEAR(*times.set, c.swing.set(c.pass), 0.1 * kSecond);
}

INSTANTIATE_TEST_SUITE_P(Passage, PassageOfASwing,
    ::testing::Values(SwingCase {"UpAtTheMoment", {10, 40, 0.1}, Passage::RisesAndSets, 0},
        SwingCase {"UpLateInThePass", {0, 40, -0.2}, Passage::RisesAndSets, 0},
        // Down at the moment: the pass that ended 0.1 day ago, not the one
        // that starts in 0.3 day.
        SwingCase {"DownTheLastPassIsNearer", {0, 40, -0.35}, Passage::RisesAndSets, 0},
        SwingCase {"DownTheNextPassIsNearer", {0, 40, 0.35}, Passage::RisesAndSets, 0},
        SwingCase {"TheMoonsLongerDay", {-5, 40, 0.6, 1.035}, Passage::RisesAndSets, -1},
        // Above the horizon for three minutes about the transit only: the
        // transit is looked at, not just the ten-minute grid.
        SwingCase {"AGrazeAtTheTransit", {-9.9995, 10, 0.1234}, Passage::RisesAndSets, 0},
        // Below for an hour only, ten hours before the moment: the whole day is looked at.
        SwingCase {"ADipEarlyInTheDay", {9.9, 10, 0.08}, Passage::RisesAndSets, 0},
        SwingCase {"Circumpolar", {50, 20, 0.3}, Passage::AlwaysAbove, 0},
        SwingCase {"CircumpolarTransitNearest", {50, 20, 0.7}, Passage::AlwaysAbove, -1},
        SwingCase {"NeverUp", {-50, 20, 0.1}, Passage::NeverAbove, 0}),
    [](const auto& row) { return std::string(row.param.name); });

struct ShapeCase {
    const char* name;
    std::function<double(double)> height; // of days from the moment
    double transitAt; // days from the moment; the meridian is crossed there
    Passage passage;
    std::optional<double> rise, highest, set; // days from the moment
};

class PassageOfAShape : public ::testing::TestWithParam<ShapeCase> { };

// Near the poles a body's height follows its declination more than the
// turning sky: a pass may cross no meridian, or outlast the days followed.
TEST_P(PassageOfAShape, ThePassHoldsTheMomentInTimeOrder)
{
    const ShapeCase& c = GetParam();
    const SkyPath path {[&](double t) { return c.height(t - kJd); },
        [&](double t) { return std::remainder((t - kJd - c.transitAt) * 360, 360.0); }};
    const PassageTimes times = passageAround(kJd, path, 1.75);
    EXPECT_EQ(times.passage, c.passage);
    const auto expectNear = [](const std::optional<double>& got, const std::optional<double>& wanted,
                                const char* what) {
        ASSERT_EQ(got.has_value(), wanted.has_value()) << what;
        if (wanted) {
            EXPECT_NEAR(*got - kJd, *wanted, kSecond) << what;
        }
    };
    expectNear(times.rise, c.rise, "rise");
    expectNear(times.transit, c.highest, "transit");
    expectNear(times.set, c.set, "set");
}

INSTANTIATE_TEST_SUITE_P(Passage, PassageOfAShape,
    ::testing::Values(
        // Up for 0.6 day about 0.1 day from now; the meridian lies 0.5 day
        // away: the transit is the pass's highest point.
        ShapeCase {"NoMeridianInThePass", [](double d) { return 0.9 - 10 * (d - 0.1) * (d - 0.1); }, 0.5,
            Passage::RisesAndSets, 0.1 - 0.3, 0.1, 0.1 + 0.3},
        // Lower humps either side of the highest point: the highest is found.
        ShapeCase {"SeveralHumpsNoMeridian",
            [](double d) {
                const double x = d - 0.15;
                return (0.09 - x * x) * (1 + 0.9 * std::cos(2 * std::numbers::pi * x / 0.2));
            },
            0.7, Passage::RisesAndSets, -0.15, 0.15, 0.45},
        // Climbing for days: risen 0.3 day ago, and not set within reach.
        ShapeCase {"NotSetWithinReach", [](double d) { return 2 * (d + 0.3); }, 0.25, Passage::RisesAndSets, -0.3, 0.25,
            std::nullopt},
        ShapeCase {"SetsInAWhile", [](double d) { return 2 * (0.4 - d); }, 0.1, Passage::RisesAndSets, std::nullopt,
            0.1, 0.4}),
    [](const auto& row) { return std::string(row.param.name); });

} // namespace
} // namespace velmora::sky
