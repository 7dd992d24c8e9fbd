#include "calc/number_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace velmora {
namespace {

TEST(FieldReading, ReadsTheExpectedValue)
{
    const std::pair<const char*, double> rows[] = {{"200", 200}, {"5.6", 5.6}, {"6,8", 6}, {" 1 250", 1250},
        {"\t1\n2", 12}, {"120mm", 120}, {"1.2.3", 1.2}, {"2e2", 200}, {"1D3", 1000}, {"25E-1", 2.5}, {"3e", 3},
        {"3e+x", 3}, {"&H1F", 31}, {"&hff", 255}, {"&H1G", 1}, {"&O17", 15}, {"&o78", 7}, {"&", 0}, {".5", 0.5},
        {"5.", 5}, {"-.5", -0.5}, {"+7", 7}, {"-", 0}, {".", 0}, {"", 0}, {" ", 0}, {"abc", 0}, {"- 4", -4},
        {"0007", 7}, {"1e-400", 0}, {"2.2250738585072014e-308", 2.2250738585072014e-308}, {"5e-324", 5e-324},
        {"1.7976931348623157e308", 1.7976931348623157e308}, {"0.1000000000000000000000000001", 0.1}};
    for (const auto& [text, value] : rows)
        EXPECT_EQ(readFieldNumber(text), std::optional<double>(value)) << '"' << text << '"';
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

TEST(ResultText, WritesTheExpectedText)
{
    const std::pair<double, const char*> rows[] = {{0.0, "0"}, {-0.0, "0"}, {5, "5"}, {0.6, "0,6"}, {0.00001, "1E-05"},
        {1.5e16, "1,5E+16"}, {999999999999999.9, "1E+15"}, {5e-324, "4,94065645841247E-324"}};
    for (const auto& [value, text] : rows)
        EXPECT_EQ(formatResult(value, ","), text) << value;
}

// --- input text rule --------------------------------------------------

TEST(InputText, WholeNumbersAreDigitsFractionsUseThePoint)
{
    const std::pair<double, const char*> rows[] = {
        {127, "127"}, {1250, "1250"}, {-42, "-42"}, {6.8, "6.8"}, {6.45, "6.45"}, {1e17, "100000000000000000"}};
    for (const auto& [value, text] : rows)
        EXPECT_EQ(formatInput(value), text);
}

} // namespace
} // namespace velmora
