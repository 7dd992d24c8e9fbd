#include "formats/strict_number.h"
#include "support/refusal.h"

#include <gtest/gtest.h>

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

} // namespace
} // namespace velmora::formats
