#include "deep_sky_fixture.h"
#include "planning/computation.h"
#include "planning/exposure_plan.h"
#include "planning/rules.h"
#include "planning/suggestions.h"
#include "planning/target_choice.h"
#include "planning_refusal.h"
#include "presets/catalogue.h"
#include "units/angles.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace velmora::planning {
namespace {

// The worked rig: 100 mm at 500 mm with 3.76 um pixels.
const optics::OpticalTrain kWorkedTrain {100, 500, 3.76, 6248, 4176};

ExposureRequest worked()
{
    ExposureRequest request;
    request.sqm = 21;
    request.quantumEfficiency = 0.8;
    request.transmission = 1;
    request.readNoise = 1.46;
    return request;
}

// A camera file's figures: a colour sensor with QE 0.8 and a mode switch
// between gains 99 and 100.
formats::CameraNoise cameraFile(std::optional<bool> colour, std::vector<optics::GainReadNoise> points)
{
    return {"Example", colour, 3.76, 0.8, optics::ReadNoiseTable(std::move(points)), 2};
}

TEST(ExposurePlan, TheWorkedCheckHoldsThroughTheTrain)
{
    const ExposureRequest request = worked();
    const ExposurePlan plan(request, FilterBand {}, kWorkedTrain);
    EXPECT_NEAR(plan.figures().skyRate, 1.80, 0.005);
    EXPECT_NEAR(*plan.figures().sub, 11.6, 0.05);
    EXPECT_EQ(plan.figures().sub, plan.figures().shortestSub);
    EXPECT_EQ(plan.figures().bandWidth, 300);
    EXPECT_FALSE(plan.figures().sqmAssumed);
    EXPECT_FALSE(plan.figures().target) << "no target asked";
}

struct Change {
    const char* what;
    std::function<void(ExposureRequest&, FilterBand&, optics::OpticalTrain&)> change;
    double skyRatio; // of the sky's rate against the worked rig's
};

// What each figure of the request and the rig does to the sky's rate; the
// sub follows it inversely.
TEST(ExposurePlan, EachFigureOfTheRequestReachesTheSkyRate)
{
    const Change rows[] = {
        {"a colour sensor", [](auto& r, auto&, auto&) { r.colour = true; }, 1.0 / 3},
        {"a colour sensor by its file",
            [](auto& r, auto&, auto&) {
                r.quantumEfficiency.reset();
                r.camera = cameraFile(true, {{0, 1.46}});
            },
            1.0 / 3},
        {"a monochrome sensor by its file, QE 0.8 from it",
            [](auto& r, auto&, auto&) {
                r.quantumEfficiency.reset();
                r.camera = cameraFile(false, {{0, 1.46}});
            },
            1},
        {"the request's QE over the file's",
            [](auto& r, auto&, auto&) {
                r.quantumEfficiency = 0.4;
                r.camera = cameraFile(std::nullopt, {{0, 1.46}});
            },
            0.5},
        {"no QE anywhere: 0.6", [](auto& r, auto&, auto&) { r.quantumEfficiency.reset(); }, 0.75},
        {"binned 2x2", [](auto&, auto&, auto& t) { t.binning = 2; }, 4},
        {"a 2x barlow", [](auto&, auto&, auto& t) { t.barlow = 2; }, 0.25},
        {"half the diameter obstructed, as a share", [](auto& r, auto&, auto&) { r.obstruction = 0.5; }, 0.75},
        {"half the diameter obstructed, in mm", [](auto& r, auto&, auto&) { r.obstruction = 50; }, 0.75},
        {"1 mm obstructed, not the whole", [](auto& r, auto&, auto&) { r.obstruction = 1; }, 1 - 1e-4},
        {"a 100 nm band",
            [](auto&, auto& b, auto&) {
                b = {500, 600};
            },
            1.0 / 3},
        {"the transmission", [](auto& r, auto&, auto&) { r.transmission = 0.9; }, 0.9},
        {"a sky brighter by 2.5 magnitudes", [](auto& r, auto&, auto&) { r.sqm = 18.5; }, 10},
    };
    const ExposureRequest plainRequest = worked();
    const ExposurePlan plain(plainRequest, FilterBand {}, kWorkedTrain);
    for (const Change& row : rows) {
        ExposureRequest request = worked();
        FilterBand band;
        optics::OpticalTrain train = kWorkedTrain;
        row.change(request, band, train);
        const ExposurePlan changed(request, band, train);
        EXPECT_NEAR(changed.figures().skyRate / plain.figures().skyRate, row.skyRatio, 1e-9) << row.what;
        EXPECT_NEAR(
            *changed.figures().sub * changed.figures().skyRate, *plain.figures().sub * plain.figures().skyRate, 1e-9)
            << row.what;
    }
}

struct ReadNoiseCase {
    const char* what;
    std::optional<double> given;
    std::optional<double> gain;
    std::vector<optics::GainReadNoise> table;
    std::optional<double> readNoise; // none when refused
    bool missing = false;
};

TEST(ExposurePlan, TheReadNoiseComesFromTheRequestOrTheCameraFilesTableAtTheGain)
{
    const std::vector<optics::GainReadNoise> switching = {{0, 3.5}, {99, 2.88}, {100, 1.46}, {300, 0.8}};
    const ReadNoiseCase rows[] = {
        {"read inside the switch", std::nullopt, 99.5, switching, 2.17},
        {"at a point", std::nullopt, 100, switching, 1.46},
        {"given, over the file", 2.0, 100, switching, 2.0},
        {"a one-point table needs no gain", std::nullopt, std::nullopt, {{120, 1.2}}, 1.2},
        {"no gain for a table", std::nullopt, std::nullopt, switching, std::nullopt, true},
        {"a gain beyond the table", std::nullopt, 301, switching, std::nullopt},
    };
    for (const ReadNoiseCase& row : rows) {
        ExposureRequest request = worked();
        request.readNoise = row.given;
        request.gain = row.gain;
        request.camera = cameraFile(false, row.table);
        if (!row.readNoise) {
            const Refused refused = refusalOf([&] { ExposurePlan(request, FilterBand {}, kWorkedTrain); });
            EXPECT_EQ(refused.subject, Subject::Gain) << row.what;
            EXPECT_EQ(refused.reason, row.missing ? Reason::Missing : Reason::OutOfBounds) << row.what;
            continue;
        }
        const ExposurePlan plan(request, FilterBand {}, kWorkedTrain);
        EXPECT_NEAR(*plan.figures().readNoise, *row.readNoise, 1e-12) << row.what;
        EXPECT_EQ(plan.figures().gain, row.given ? std::nullopt : row.gain) << row.what;
        EXPECT_EQ(plan.figures().readModes, row.given ? 0u : 2u) << row.what;
    }
}

// The well bounds the sub only when the sky fills its share first.
TEST(ExposurePlan, TheWellBoundsTheSubOnlyWhenTheSkyFillsItFirst)
{
    ExposureRequest request = worked();
    request.fullWell = 50000;
    const ExposurePlan deep(request, FilterBand {}, kWorkedTrain);
    EXPECT_EQ(deep.figures().sub, deep.figures().shortestSub);
    EXPECT_NEAR(*deep.figures().longestSub * deep.figures().skyRate, 50000 * kSkyShareOfWell, 1e-6);

    request.fullWell = 20; // the sky fills 5 e- in under 3 s, before 11.6 s
    const ExposurePlan shallow(request, FilterBand {}, kWorkedTrain);
    EXPECT_EQ(shallow.figures().sub, shallow.figures().longestSub);
    EXPECT_LT(*shallow.figures().sub, *shallow.figures().shortestSub);

    request.obstruction = 100;
    EXPECT_EQ(refusalOf([&] { ExposurePlan(request, FilterBand {}, kWorkedTrain); }).subject, Subject::Obstruction);
    request.obstruction = 0.999;
    EXPECT_NEAR(ExposurePlan(request, FilterBand {}, kWorkedTrain).figures().obstruction, 99.9, 1e-9);
}

// A target twice as faint as the sky, and what its subs reach: the stack
// reaches the signal-to-noise asked exactly when the night lasts the hours
// needed.
TEST(ExposurePlan, TheNightReachesTheGoalExactlyWhenItLastsTheHoursNeeded)
{
    for (const std::optional<double> readNoise : {std::optional(1.46), std::optional(0.0), std::optional<double>()}) {
        ExposureRequest request = worked();
        request.readNoise = readNoise;
        request.surfaceBrightness = 21 + 2.5 * std::log10(2);
        request.darkCurrent = 0.05;
        const ExposurePlan plan(request, FilterBand {}, kWorkedTrain);
        const auto target = plan.target(nullptr, nullptr, std::nullopt);
        ASSERT_TRUE(target);
        EXPECT_NEAR(target->signalRate, plan.figures().skyRate / 2, 1e-9);
        EXPECT_EQ(target->magnitudeBand, 0) << "given";
        const double needed = *target->hours;
        EXPECT_EQ(target->subs.has_value(), plan.figures().sub.has_value());
        EXPECT_EQ(plan.figures().sub.has_value(), readNoise.value_or(0) > 0);
        double last = 0;
        for (const double share : {0.1, 0.5, 0.99, 1.0, 1.01, 2.0, 8.0}) {
            const double reached = *plan.target(nullptr, nullptr, needed * share)->snrTonight;
            EXPECT_EQ(reached >= request.snr * (1 - 1e-12), share >= 1) << share << ' ' << readNoise.value_or(-1);
            EXPECT_GE(reached, last);
            last = reached;
        }
    }
}

using ExposureOfTargets = DeepSkyFixture;

// The square arcseconds inside an ellipse of axes `a` and `b`, counted.
double countedArea(double a, double b)
{
    long inside = 0;
    for (double x = -a / 2 + 0.5; x < a / 2; ++x) {
        for (double y = -b / 2 + 0.5; y < b / 2; ++y)
            inside += (x / a) * (x / a) + (y / b) * (y / b) <= 0.25;
    }
    return double(inside);
}

TEST_F(ExposureOfTargets, ATargetsBrightnessIsItsMagnitudeSpreadOverItsOutline)
{
    Request request;
    request.telescope = "CelestronOTC8";
    request.camera = "StarlightXpressSXVH9";
    request.target = "M51";
    EXPECT_FALSE(computeRig(request, builtInCatalogue(), &deepSky()).exposure) << "not asked";
    request.exposure = ExposureRequest {};
    const Computation computation = computeRig(request, builtInCatalogue(), &deepSky());
    ASSERT_TRUE(computation.exposure && computation.exposure->target);
    const sky::DeepSkyObject& m51 = *computation.target->object;
    const sky::Outline& outline = computation.target->shape.outline;
    const double counted = *m51.magnitude +
        2.5 *
            std::log10(
                countedArea(outline.majorAxis * units::kArcsecPerArcmin, outline.minorAxis * units::kArcsecPerArcmin));
    EXPECT_NEAR(computation.exposure->target->surfaceBrightness, counted, 0.001);
    EXPECT_EQ(computation.exposure->target->magnitudeBand, 'V');
    EXPECT_TRUE(computation.exposure->sqmAssumed);
    EXPECT_EQ(computation.exposure->sqm, kAssumedSqm);
    EXPECT_FALSE(computation.exposure->sub) << "no read noise";
    EXPECT_TRUE(computation.exposure->target->hours);
}

TEST_F(ExposureOfTargets, SuggestionsRankByTheHoursNeededWithTheUnknownLast)
{
    Request request;
    request.telescope = "TakahashiFS102";
    request.camera = "ApogeeAP1ME";
    request.suggestion.minFill = 0.2;
    request.rankBy = SuggestionRank::HoursNeeded;
    EXPECT_EQ(refusalOf([&] { suggestTargets(request, builtInCatalogue(), deepSky()); }).subject, Subject::RankBy);
    request.rankBy = SuggestionRank::UsableHours;
    EXPECT_EQ(refusalOf([&] { suggestTargets(request, builtInCatalogue(), deepSky()); }).subject, Subject::RankBy);

    request.exposure = worked();
    request.rankBy = SuggestionRank::HoursNeeded;
    const std::vector<Suggestion> ranked = suggestTargets(request, builtInCatalogue(), deepSky());
    ASSERT_GT(ranked.size(), 10u);
    double last = 0;
    std::size_t unknown = 0;
    for (const Suggestion& s : ranked) {
        const double hours = s.exposure ? *s.exposure->hours : std::numeric_limits<double>::infinity();
        EXPECT_GE(hours, last) << s.framing.object->displayName();
        last = hours;
        unknown += !s.exposure;
        if (!s.exposure) {
            EXPECT_FALSE(s.framing.object->magnitude) << s.framing.object->displayName();
        }
    }
    EXPECT_GT(unknown, 0u) << "objects without a magnitude come last";
    EXPECT_LT(unknown, ranked.size());

    request.rankBy = SuggestionRank::Fill;
    const std::vector<Suggestion> byFill = suggestTargets(request, builtInCatalogue(), deepSky());
    ASSERT_EQ(byFill.size(), ranked.size());
    for (std::size_t i = 1; i < byFill.size(); ++i)
        EXPECT_GE(byFill[i - 1].framing.fill(), byFill[i].framing.fill()) << i;
}

} // namespace
} // namespace velmora::planning
