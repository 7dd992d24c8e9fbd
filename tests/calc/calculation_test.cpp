#include "calc/calculation.h"
#include "calc/number_text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <tuple>
#include <vector>

namespace velmora {
namespace {

const InputTexts kWorkedExample {"200", "1000", "5.6", "640", "480"};

// The result a run gave for a quantity, by id; NaN and "(none)" when it gave none.
Result resultOf(const Outcome& outcome, std::string_view id)
{
    const auto found = std::ranges::find(outcome.results, id, [](const Result& r) { return r.quantity->id; });
    return found != outcome.results.end() ? *found : Result {nullptr, std::nan(""), "(none)"};
}

struct Published {
    const char* id;
    double value; // as published, rounded to 7 digits
};

TEST(Calculation, WorkedExampleGivesThePublishedValues)
{
    // D = 200, F = 1000, p = 5.6, 640 x 480, and D = 80, F = 2000 with the same
    // camera, where the pixel field falls below the resolving power.
    const std::vector<Published> first = {{"resolving_power", 0.6}, {"visual_limiting_magnitude", 13.30515},
        {"sensor_diagonal", 4.48}, {"focal_ratio", 5}, {"pixel_field", 1.155168}, {"ccd_limiting_magnitude", 19.30117},
        {"sensor_field_height", 9.241344}, {"sensor_field_width", 12.321792}, {"tube_weight", 17.39130},
        {"km_per_pixel_sun", 837.8573}, {"km_per_pixel_mercury_near", 442.4386}, {"km_per_pixel_mercury_far", 1220.907},
        {"km_per_pixel_venus_near", 213.9387}, {"km_per_pixel_venus_far", 1461.728}, {"km_per_pixel_moon", 2.156247},
        {"km_per_pixel_mars_near", 311.9472}, {"km_per_pixel_mars_far", 2245.796},
        {"km_per_pixel_jupiter_near", 3304.288}, {"km_per_pixel_jupiter_far", 5404.472},
        {"km_per_pixel_saturn", 7504.655}, {"km_per_pixel_uranus", 16801.47}, {"km_per_pixel_neptune", 24362.13},
        {"km_per_pixel_pluto", 28002.44}};
    const std::vector<Published> second = {{"resolving_power", 1.5}, {"pixel_field", 0.577584},
        {"ccd_limiting_magnitude", 18.73394}, {"visual_limiting_magnitude", 11.31545}, {"focal_ratio", 25},
        {"sensor_field_height", 4.620672}, {"sensor_field_width", 6.160896}};
    const std::pair<InputTexts, const std::vector<Published>&> cases[] = {
        {kWorkedExample, first}, {{"80", "2000", "5.6", "640", "480"}, second}};
    for (const auto& [inputs, published] : cases) {
        const Outcome outcome = calculate(inputs, ",");
        EXPECT_EQ(outcome.emptyInputMessages, 0);
        EXPECT_FALSE(outcome.failure);
        for (const Published& p : published)
            EXPECT_NEAR(resultOf(outcome, p.id).value, p.value, p.value * 5e-7) << p.id;
    }
}

TEST(Calculation, EdgeCasesShowTheExpectedTexts)
{
    const std::tuple<InputTexts, const char*, const char*> cases[] = {
        {{"10", "1000", "5.6", "640", "480"}, "visual_limiting_magnitude", "6,8"},
        {{"1", "1719", "1000", "1", "1"}, "pixel_field", "120"}, // equal to the resolving power
        {{"200", "1000", "5.6", "0", "0"}, "sensor_diagonal", "0"},
        {{"200", "1000", "5.6", "0", "0"}, "sensor_field_width", "0"},
        {{"200", "0", "5.6", "640", "480"}, "focal_ratio", "0"}, // shown before the run stops
        {{"200", "1000", "0", "640", "480"}, "pixel_field", "0"},
        {{"200", "-1000", "-5.6", "640", "480"}, "focal_ratio", "-5"},
        {{"200", "-1000", "-5.6", "640", "480"}, "pixel_field", "1,155168"}}; // two negatives
    for (const auto& [inputs, id, text] : cases)
        EXPECT_EQ(resultOf(calculate(inputs, ","), id).text, text) << id;
}

TEST(Calculation, DoublingFocalLengthHalvesEveryKmPerPixelValue)
{
    const Outcome near = calculate(kWorkedExample, ".");
    const Outcome far = calculate({"200", "2000", "5.6", "640", "480"}, ".");
    for (const Quantity& q : kQuantities) {
        if (q.id.starts_with("km_per_pixel")) {
            EXPECT_NEAR(resultOf(far, q.id).value * 2, resultOf(near, q.id).value, resultOf(near, q.id).value * 1e-13)
                << q.id;
        }
    }
}

TEST(Calculation, InputsAreReadWithTheFieldReadingRule)
{
    const Outcome typed = calculate({"2e2", " 1 000", "5.6mm", "640", "480"}, ",");
    const Outcome plain = calculate(kWorkedExample, ",");
    ASSERT_EQ(typed.results.size(), plain.results.size());
    for (std::size_t i = 0; i < plain.results.size(); ++i)
        EXPECT_EQ(typed.results[i].text, plain.results[i].text) << plain.results[i].quantity->id;
}

TEST(Calculation, TubeWeightTakesTheTubesOwnFocalLength)
{
    const Inputs behindABarlow {200.0, 2000.0, 5.6, 640.0, 480.0, 1000.0};
    const Outcome outcome = calculate(behindABarlow, ".");
    EXPECT_EQ(resultOf(outcome, "tube_weight").text, resultOf(calculate(kWorkedExample, "."), "tube_weight").text);
    EXPECT_EQ(resultOf(outcome, "focal_ratio").text, "10");
}

// --- failures -------------------------------------------------------------

struct FailureRow {
    const char* name;
    const char* d;
    const char* f;
    const char* p;
    std::size_t completed; // steps that gave their result before the failure
    FailureCause cause;
};

TEST(CalculationFailure, StopsAtTheFailingStepAndNamesIt)
{
    const FailureRow rows[] = {{"ApertureEmpty", "", "1000", "5.6", 0, FailureCause::DivisionByZero},
        {"BothEmpty", "", "", "5.6", 0, FailureCause::DivisionByZero},
        {"ApertureZero", "0", "1000", "5.6", 0, FailureCause::DivisionByZero},
        {"ApertureBlank", " ", "1000", "5.6", 0, FailureCause::DivisionByZero},
        {"ApertureNegative", "-200", "1000", "5.6", 1, FailureCause::LogarithmOfNonPositive},
        {"FocalEmpty", "200", "", "5.6", 4, FailureCause::DivisionByZero},
        {"FocalZero", "200", "0", "5.6", 4, FailureCause::DivisionByZero},
        {"PixelEmpty", "200", "1000", "", 8, FailureCause::DivisionByZero},
        {"PixelZero", "200", "1000", "0", 8, FailureCause::DivisionByZero},
        {"ApertureBeyondDoubleRange", "1e400", "1000", "5.6", 0, FailureCause::Overflow},
        {"FocalBeyondRangeFailsItsFirstUse", "200", "1e400", "5.6", 3, FailureCause::Overflow},
        {"TinyPixelOverflowsSizeInPixels", "200", "1000", "1e-305", 8, FailureCause::Overflow},
        {"HugeTubeOverflowsWeight", "1e150", "1e160", "5.6", 22, FailureCause::Overflow}};
    for (const FailureRow& row : rows) {
        SCOPED_TRACE(row.name);
        const Outcome outcome = calculate({row.d, row.f, row.p, "640", "480"}, ",");

        EXPECT_EQ(outcome.results.size(), row.completed);
        ASSERT_TRUE(outcome.failure);
        EXPECT_EQ(outcome.failure->quantity, &kQuantities[row.completed]);
        EXPECT_EQ(outcome.failure->cause, row.cause);
        EXPECT_EQ(outcome.emptyInputMessages, int(*row.d == '\0') + int(*row.f == '\0'));
    }
}

} // namespace
} // namespace velmora
