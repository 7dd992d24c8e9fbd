#include "calc/number_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>
#include <ostream>
#include <random>
#include <string>

namespace velmora {
namespace {

struct ReadRow {
    const char* name;
    const char* text;
    double value;
};

TEST(FieldReading, ReadsTheExpectedValue)
{
    const ReadRow rows[] = {ReadRow {"Plain", "200", 200}, ReadRow {"Decimal", "5.6", 5.6},
        ReadRow {"CommaEndsTheNumber", "6,8", 6}, ReadRow {"BlanksInside", " 1 250", 1250},
        ReadRow {"TabsAndLineFeeds", "\t1\n2", 12}, ReadRow {"UnitAfterNumber", "120mm", 120},
        ReadRow {"SecondPointStops", "1.2.3", 1.2}, ReadRow {"LowerExponent", "2e2", 200},
        ReadRow {"DExponent", "1D3", 1000}, ReadRow {"NegativeExponent", "25E-1", 2.5},
        ReadRow {"ExponentWithoutDigits", "3e", 3}, ReadRow {"ExponentSignWithoutDigits", "3e+x", 3},
        ReadRow {"Hexadecimal", "&H1F", 31}, ReadRow {"HexadecimalLowerCase", "&hff", 255},
        ReadRow {"HexadecimalStopsAtMisfit", "&H1G", 1}, ReadRow {"Octal", "&O17", 15},
        ReadRow {"OctalStopsAtEight", "&o78", 7}, ReadRow {"AmpersandAlone", "&", 0},
        ReadRow {"LeadingPoint", ".5", 0.5}, ReadRow {"TrailingPoint", "5.", 5},
        ReadRow {"NegativeLeadingPoint", "-.5", -0.5}, ReadRow {"PlusSign", "+7", 7}, ReadRow {"LoneMinus", "-", 0},
        ReadRow {"LonePoint", ".", 0}, ReadRow {"Empty", "", 0}, ReadRow {"Blank", " ", 0}, ReadRow {"Word", "abc", 0},
        ReadRow {"SignThenBlankThenDigit", "- 4", -4}, ReadRow {"LeadingZeros", "0007", 7},
        ReadRow {"UnderflowReadsAsZero", "1e-400", 0},
        ReadRow {"SmallestNormal", "2.2250738585072014e-308", 2.2250738585072014e-308},
        ReadRow {"Subnormal", "5e-324", 5e-324}, ReadRow {"Largest", "1.7976931348623157e308", 1.7976931348623157e308},
        ReadRow {"LongFractionRounds", "0.1000000000000000000000000001", 0.1}};
    for (const ReadRow& row : rows) {
        SCOPED_TRACE(row.name);
        const auto value = readFieldNumber(row.text);
        EXPECT_EQ(value, std::optional<double>(row.value)) << row.text;
    }
}

TEST(FieldReading, NumbersBeyondTheDoubleRangeAreReported)
{
    for (const char* text : {"1e400", "-1e400", "2e308", "1D999999999999999999999"})
        EXPECT_FALSE(readFieldNumber(text)) << text;
    EXPECT_FALSE(readFieldNumber("1" + std::string(400, '0')));
    EXPECT_FALSE(readFieldNumber("&H" + std::string(300, 'F')));
    EXPECT_EQ(readFieldNumber("&H" + std::string(200, 'F')), std::ldexp(1.0, 800));
    EXPECT_EQ(readFieldNumber("0." + std::string(400, '0') + "1"), 0.0);
}

// --- result text rule ---------------------------------------------------

struct FormatRow {
    const char* name;
    double value;
    const char* comma;
};

TEST(ResultText, WritesTheExpectedText)
{
    const FormatRow rows[] = {FormatRow {"Zero", 0.0, "0"}, FormatRow {"NegativeZero", -0.0, "0"},
        FormatRow {"Whole", 5, "5"}, FormatRow {"Fraction", 0.6, "0,6"},
        FormatRow {"FirstExponentBelow", 0.00001, "1E-05"}, FormatRow {"ExponentWithFraction", 1.5e16, "1,5E+16"},
        FormatRow {"RoundsUpToExponent", 999999999999999.9, "1E+15"},
        FormatRow {"Subnormal", 5e-324, "4,94065645841247E-324"}};
    for (const FormatRow& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(formatResult(row.value, ","), row.comma);
    }
}

// printf's %.15G is the classic form of this rule: the same digits, "E",
// two exponent digits at least; only the separator and zero differ.
std::string reference(double value, char separator)
{
    if (value == 0)
        return "0";
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%.15G", value);
    std::string text = buffer;
    for (char& c : text) {
        if (c == '.')
            c = separator;
    }
    return text;
}

TEST(ResultText, MatchesTheReferenceOverRandomDoublesOfAllMagnitudes)
{
    std::mt19937_64 random(20261206);
    std::uniform_int_distribution<std::uint64_t> bits;
    std::uniform_real_distribution<double> mantissa(1.0, 10.0);
    std::uniform_int_distribution<int> exponent(-30, 30);
    for (int i = 0; i < 200000; ++i) {
        double value = 0;
        if (i % 2 == 0) {
            const std::uint64_t raw = bits(random);
            std::memcpy(&value, &raw, sizeof value);
            if (!std::isfinite(value))
                continue;
        } else {
            value = mantissa(random) * std::pow(10.0, exponent(random)) * (i % 4 == 1 ? -1 : 1);
        }
        ASSERT_EQ(formatResult(value, ","), reference(value, ',')) << value;
        ASSERT_EQ(formatResult(value, "."), reference(value, '.')) << value;
    }
}

// --- input text rule --------------------------------------------------

TEST(InputText, WholeNumbersAreDigitsFractionsUseThePoint)
{
    EXPECT_EQ(formatInput(127), "127");
    EXPECT_EQ(formatInput(1250), "1250");
    EXPECT_EQ(formatInput(-42), "-42");
    EXPECT_EQ(formatInput(6.8), "6.8");
    EXPECT_EQ(formatInput(6.45), "6.45");
    EXPECT_EQ(formatInput(1e17), "100000000000000000");
}

} // namespace
} // namespace velmora
