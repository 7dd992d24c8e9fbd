#include "formats/exact_number.h"
#include "formats/readable_number.h"
#include "formats/strict_number.h"
#include "support/refusal.h"

#include <gtest/gtest.h>

#include <limits>

namespace velmora::formats {
namespace {

struct NumberRow {
    std::string text;
    NumberKind kind;
    std::optional<double> value; // none when refused
    const char* reason = "";
};

TEST(StrictNumber, TheWholeTextAsAFiniteNumberOfTheKindAsked)
{
    // Zero, a comma and a fraction where a whole number is asked are the
    // command line's usage table.
    const NumberRow rows[] = {{"5.6", NumberKind::Positive, 5.6}, {"1e3", NumberKind::PositiveWhole, 1000},
        {"-2", NumberKind::Finite, -2}, {"0", NumberKind::Finite, 0}, {"0.1", NumberKind::Positive, 0.1},
        {"", NumberKind::Finite, {}, "'' is not a finite decimal number"},
        {"+5", NumberKind::Finite, {}, "'+5' is not a finite decimal number"},
        {" 5", NumberKind::Finite, {}, "' 5' is not"}, {"5 ", NumberKind::Finite, {}, "'5 ' is not"},
        {"inf", NumberKind::Finite, {}, "'inf'"}, {"nan", NumberKind::Finite, {}, "'nan'"},
        {"0x10", NumberKind::Finite, {}, "'0x10'"}, {"1e999", NumberKind::Finite, {}, "'1e999'"},
        {"-1", NumberKind::Positive, {}, "'-1' is not a positive number"},
        {std::string(100, '7') + "x", NumberKind::Finite, {},
            "'77777777777777777777777777777777777777777777777777777777777777777777777777777777...' (101 characters) "
            "is not"}};
    for (const NumberRow& row : rows) {
        if (row.value) {
            EXPECT_EQ(strictNumber(row.text, row.kind), *row.value) << row.text;
            continue;
        }
        const std::string refusal = refusalOf([&] { strictNumber(row.text, row.kind); });
        EXPECT_NE(refusal.find(row.reason), std::string::npos) << row.text << ": " << refusal;
    }
}

// For people; for scripts, the shortest text that reads back exactly.
TEST(ReadableNumber, FourSignificantDigitsWholeFromAThousandAnExponentOnlyAtTheExtremes)
{
    const std::pair<double, const char*> rows[] = {{0.591133004926108, "0.5911"}, {12205.3, "12205"}, {999.94, "999.9"},
        {999.96, "1000"}, {1000, "1000"}, {1234.5, "1235"}, {2.0, "2"}, {2.5, "2.5"}, {0.000123456, "0.0001235"},
        {1e-9, "1e-09"}, {1.5e-6, "0.0000015"}, {9.99996, "10"}, {0, "0"}, {-0.0, "0"}, {-3.14159, "-3.142"},
        {149597870.7, "149597871"}, {999999999999999, "999999999999999"}, {1e20, "1e+20"},
        {-1.23456e300, "-1.235e+300"}, {std::numeric_limits<double>::max(), "1.798e+308"},
        {std::numeric_limits<double>::infinity(), "-"}};
    for (const auto& [value, text] : rows)
        EXPECT_EQ(readableNumber(value), text) << value;
    EXPECT_EQ(exactNumber(0.1 + 0.2), "0.30000000000000004");
}

} // namespace
} // namespace velmora::formats
