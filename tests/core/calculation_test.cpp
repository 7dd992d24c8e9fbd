#include "calc/calculation.h"
#include "calc/memory_fields.h"
#include "calc/number_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <ostream>
#include <string>
#include <vector>

namespace velmora {
namespace {

// The order in which a run writes its result fields.
const std::vector<std::string> kRunOrder = {"Text4", "Text5", "Text15", "Text11", "Text10", "Text6", "Text28", "Text12",
    "Text13", "Text18", "Text20", "Text34", "Text35", "Text21", "Text26", "Text36", "Text30", "Text29", "Text7",
    "Text31", "Text32", "Text33", "Text8"};

MemoryFields inputs(std::string d, std::string f, std::string p, std::string w, std::string h)
{
    MemoryFields fields;
    setInputs(fields, d, f, p, w, h);
    return fields;
}

// Reads a result text written with either separator back as a number.
double valueOf(const std::string& text)
{
    std::string dotted = text;
    for (char& c : dotted) {
        if (c == ',')
            c = '.';
    }
    return *readFieldNumber(dotted);
}

struct Expected {
    const char* field;
    double value; // as published, rounded
};

// D = 200, F = 1000, p = 5.6, 640 x 480.
const std::vector<Expected> kWorkedExample = {{"Text4", 0.6}, {"Text5", 13.30515}, {"Text15", 4.48}, {"Text11", 5},
    {"Text10", 1.155168}, {"Text6", 19.30117}, {"Text28", 9.241344}, {"Text12", 12.321792}, {"Text8", 17.39130},
    {"Text13", 837.8573}, {"Text18", 442.4386}, {"Text34", 1220.907}, {"Text20", 213.9387}, {"Text35", 1461.728},
    {"Text21", 2.156247}, {"Text26", 311.9472}, {"Text36", 2245.796}, {"Text29", 3304.288}, {"Text7", 5404.472},
    {"Text30", 7504.655}, {"Text31", 16801.47}, {"Text32", 24362.13}, {"Text33", 28002.44}};

TEST(CalculationRun, WorkedExampleFillsAllFieldsWithPublishedValues)
{
    MemoryFields fields = inputs("200", "1000", "5.6", "640", "480");
    MessageLog messages;
    const CalculationOutcome outcome = runCalculation(fields, messages, ",");
    EXPECT_EQ(outcome.stepsCompleted, 23);
    EXPECT_FALSE(outcome.failure);
    EXPECT_TRUE(messages.shown().empty());
    for (const Expected& e : kWorkedExample) {
        const double shown = valueOf(fields.text(e.field));
        EXPECT_NEAR(shown, e.value, std::fabs(e.value) * 5e-7) << e.field << " shows " << fields.text(e.field);
    }
}

TEST(CalculationRun, WorkedExampleExactTextsUnderCommaAndPoint)
{
    const std::vector<std::pair<const char*, const char*>> exact = {{"Text4", "0,6"}, {"Text11", "5"},
        {"Text15", "4,48"}, {"Text10", "1,155168"}, {"Text28", "9,241344"}, {"Text12", "12,321792"},
        {"Text8", "17,3913043478261"}};
    for (const char* separator : {",", "."}) {
        MemoryFields fields = inputs("200", "1000", "5.6", "640", "480");
        MessageLog messages;
        runCalculation(fields, messages, separator);
        for (auto [field, text] : exact) {
            std::string expected = text;
            for (char& c : expected) {
                if (c == ',')
                    c = *separator;
            }
            EXPECT_EQ(fields.text(field), expected) << field << " with separator " << separator;
        }
    }
}

TEST(CalculationRun, SmallApertureLongFocusUsesResolvingPowerForCcdMagnitude)
{
    MemoryFields fields = inputs("80", "2000", "5.6", "640", "480");
    MessageLog messages;
    runCalculation(fields, messages, ".");
    const std::vector<Expected> expected = {{"Text4", 1.5}, {"Text10", 0.577584}, {"Text6", 18.73394},
        {"Text5", 11.31545}, {"Text11", 25}, {"Text28", 4.620672}, {"Text12", 6.160896}};
    for (const Expected& e : expected)
        EXPECT_NEAR(valueOf(fields.text(e.field)), e.value, e.value * 5e-7) << e.field;
}

TEST(CalculationRun, DoublingFocalLengthHalvesEveryKmPerPixelValue)
{
    MemoryFields near = inputs("200", "1000", "5.6", "640", "480");
    MemoryFields far = inputs("200", "2000", "5.6", "640", "480");
    MessageLog messages;
    runCalculation(near, messages, ".");
    runCalculation(far, messages, ".");
    for (std::size_t i = 8; i < 22; ++i) {
        const std::string& field = kRunOrder[i];
        EXPECT_NEAR(valueOf(far.text(field)) * 2, valueOf(near.text(field)), valueOf(near.text(field)) * 1e-13)
            << field;
    }
}

TEST(CalculationRun, PixelFieldEqualToResolvingPowerGivesTheCommonValue)
{
    MemoryFields fields = inputs("1", "1719", "1000", "1", "1");
    MessageLog messages;
    runCalculation(fields, messages, ".");
    EXPECT_EQ(fields.text("Text4"), "120");
    EXPECT_EQ(fields.text("Text10"), "120");
    EXPECT_NEAR(valueOf(fields.text("Text6")), 27 - 5 * std::log10(3600.0), 1e-12);
}

TEST(CalculationRun, TenMillimetreApertureShowsVisualMagnitudeSixPointEight)
{
    MemoryFields fields = inputs("10", "1000", "5.6", "640", "480");
    MessageLog messages;
    runCalculation(fields, messages, ",");
    EXPECT_EQ(fields.text("Text5"), "6,8");
}

TEST(CalculationRun, ZeroSensorCompletesWithZeroDiagonalAndFields)
{
    MemoryFields fields = inputs("200", "1000", "5.6", "0", "0");
    MessageLog messages;
    const auto outcome = runCalculation(fields, messages, ",");
    EXPECT_EQ(outcome.stepsCompleted, 23);
    EXPECT_EQ(fields.text("Text15"), "0");
    EXPECT_EQ(fields.text("Text28"), "0");
    EXPECT_EQ(fields.text("Text12"), "0");
}

TEST(CalculationRun, InputsAreReadWithTheFieldReadingRule)
{
    MemoryFields typed = inputs("2e2", " 1 000", "5.6mm", "640", "480");
    MemoryFields plain = inputs("200", "1000", "5.6", "640", "480");
    MessageLog messages;
    runCalculation(typed, messages, ",");
    runCalculation(plain, messages, ",");
    for (const std::string& field : kRunOrder)
        EXPECT_EQ(typed.text(field), plain.text(field)) << field;
}

// --- failures -------------------------------------------------------------

struct FailureRow {
    const char* name;
    const char* d;
    const char* f;
    const char* p;
    int completed; // steps that wrote their field before the failure
    const char* failingField;
    FailureCause cause;
};

void PrintTo(const FailureRow& row, std::ostream* out)
{
    *out << row.name;
}

class CalculationFailure : public ::testing::TestWithParam<FailureRow> { };

TEST_P(CalculationFailure, EarlierFieldsUpdatedFailingAndLaterKeepOldText)
{
    const FailureRow& row = GetParam();
    MemoryFields fields = inputs(row.d, row.f, row.p, "640", "480");
    for (const std::string& field : kRunOrder)
        fields.setText(field, "old");
    MessageLog messages;

    const CalculationOutcome outcome = runCalculation(fields, messages, ",");

    EXPECT_EQ(outcome.stepsCompleted, row.completed);
    ASSERT_TRUE(outcome.failure);
    EXPECT_EQ(outcome.failure->field, row.failingField);
    EXPECT_EQ(outcome.failure->cause, row.cause);
    EXPECT_EQ(kRunOrder[row.completed], row.failingField);
    for (int i = 0; i < 23; ++i) {
        const bool written = i < row.completed;
        EXPECT_EQ(fields.text(kRunOrder[i]) != "old", written) << kRunOrder[i];
    }
    const std::size_t emptyMessages = std::string(row.d).empty() + std::string(row.f).empty();
    ASSERT_EQ(messages.shown().size(), emptyMessages + 1);
    const ShownMessage& notice = messages.shown().back();
    EXPECT_EQ(notice.title, "VELMORA");
    EXPECT_EQ(notice.icon, MessageIcon::Stop);
    EXPECT_NE(notice.text.find(outcome.failure->quantity), std::string::npos) << notice.text;
    EXPECT_NE(notice.text.find(causeText(row.cause)), std::string::npos) << notice.text;
}

INSTANTIATE_TEST_SUITE_P(Table, CalculationFailure,
    ::testing::Values(FailureRow {"ApertureEmpty", "", "1000", "5.6", 0, "Text4", FailureCause::DivisionByZero},
        FailureRow {"ApertureZero", "0", "1000", "5.6", 0, "Text4", FailureCause::DivisionByZero},
        FailureRow {"ApertureBlank", " ", "1000", "5.6", 0, "Text4", FailureCause::DivisionByZero},
        FailureRow {"ApertureNegative", "-200", "1000", "5.6", 1, "Text5", FailureCause::LogarithmOfNonPositive},
        FailureRow {"FocalEmpty", "200", "", "5.6", 4, "Text10", FailureCause::DivisionByZero},
        FailureRow {"FocalZero", "200", "0", "5.6", 4, "Text10", FailureCause::DivisionByZero},
        FailureRow {"PixelEmpty", "200", "1000", "", 8, "Text13", FailureCause::DivisionByZero},
        FailureRow {"PixelZero", "200", "1000", "0", 8, "Text13", FailureCause::DivisionByZero},
        FailureRow {"ApertureBeyondDoubleRange", "1e400", "1000", "5.6", 0, "Text4", FailureCause::Overflow},
        FailureRow {"TinyPixelOverflowsSizeInPixels", "200", "1000", "1e-305", 8, "Text13", FailureCause::Overflow},
        FailureRow {"HugeTubeOverflowsWeight", "1e150", "1e160", "5.6", 22, "Text8", FailureCause::Overflow}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(CalculationRun, FocalZeroStillShowsZeroFocalRatio)
{
    MemoryFields fields = inputs("200", "0", "5.6", "640", "480");
    MessageLog messages;
    runCalculation(fields, messages, ",");
    EXPECT_EQ(fields.text("Text11"), "0");
}

TEST(CalculationRun, PixelZeroShowsZeroesAndCcdMagnitudeFromResolvingPower)
{
    MemoryFields fields = inputs("200", "1000", "0", "640", "480");
    MessageLog messages;
    runCalculation(fields, messages, ",");
    for (const char* field : {"Text15", "Text10", "Text28", "Text12"})
        EXPECT_EQ(fields.text(field), "0") << field;
    EXPECT_NEAR(valueOf(fields.text("Text6")), 27 - 2.5 * std::log10(18.0 * 18.0), 1e-12);
}

TEST(CalculationRun, NegativeFocalAndPixelComputeWithoutFailure)
{
    MemoryFields fields = inputs("200", "-1000", "-5.6", "640", "480");
    MessageLog messages;
    const auto outcome = runCalculation(fields, messages, ".");
    EXPECT_EQ(outcome.stepsCompleted, 23);
    EXPECT_EQ(fields.text("Text11"), "-5");
    EXPECT_EQ(fields.text("Text10"), "1.155168"); // two negatives
}

// --- the empty-input check -----------------------------------------------

TEST(EmptyInputCheck, BothEmptyShowsTheMessageTwiceThenStopsAtTheFirstStep)
{
    MemoryFields fields = inputs("", "", "5.6", "640", "480");
    fields.setText("Text4", "kept");
    MessageLog messages;
    const auto outcome = runCalculation(fields, messages, ",");
    const ShownMessage empty {std::string(kEmptyInputMessage), "VELMORA", MessageIcon::None};
    ASSERT_EQ(messages.shown().size(), 3u);
    EXPECT_EQ(messages.shown()[0], empty);
    EXPECT_EQ(messages.shown()[1], empty);
    EXPECT_EQ(outcome.stepsCompleted, 0);
    EXPECT_EQ(fields.text("Text4"), "kept");
}

TEST(EmptyInputCheck, OnlyFocalEmptyShowsOneMessageAndTheRunGoesOn)
{
    MemoryFields fields = inputs("200", "", "5.6", "640", "480");
    MessageLog messages;
    runCalculation(fields, messages, ",");
    ASSERT_GE(messages.shown().size(), 1u);
    EXPECT_EQ(messages.shown()[0].text, kEmptyInputMessage);
    EXPECT_EQ(fields.text("Text4"), "0,6");
}

TEST(EmptyInputCheck, MessageTextIsExact)
{
    EXPECT_EQ(kEmptyInputMessage,
        "Il programma và in errore, la prossima volta inserisci sempre un valore sui (Parametri da inserire).");
}

TEST(EmptyInputCheck, CameraFieldsAreNotChecked)
{
    MemoryFields fields = inputs("200", "1000", "", "", "");
    MessageLog messages;
    runCalculation(fields, messages, ",");
    ASSERT_EQ(messages.shown().size(), 1u); // only the failure notice
    EXPECT_EQ(messages.shown()[0].icon, MessageIcon::Stop);
}

} // namespace
} // namespace velmora
