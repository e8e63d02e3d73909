#include "sheet/NumericValue.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <utility>

namespace etp {

TEST(NumericValue, ReadsTheLeadingNumberOnly)
{
    const std::pair<const char*, double> cases[] = {
        {"12,5", 12},      {"1.5E3", 1500}, {" -3.2 mm", -3.2}, {"n.d.", 0},     {"", 0},
        {"1.5D2", 150},    {"+7", 7},       {".25", 0.25},      {"2.", 2},       {"1 2", 12},
        {"- 3", -3},       {"1.2.3", 1.2},  {"1E", 1},          {"1E+", 1},      {"1e-2x", 0.01},
        {"\t\n 4", 4},     {"-", 0},        {".", 0},           {"12abc", 12},   {"0x10", 0},
        {"3 E 2", 300},    {"1,000.5", 1},  {"  7", 7},         {"-0", 0},       {"5e-400", 0},
    };
    for (const auto& [text, expected] : cases) EXPECT_DOUBLE_EQ(NumericValue(text), expected) << '"' << text << '"';
}

TEST(NumericValue, CommaIsNotADecimalMark) { EXPECT_EQ(NumericValue("12,5"), 12); }

TEST(NumericValue, HugeExponentsGiveInfinityOfTheRightSign)
{
    EXPECT_EQ(NumericValue("1e400"), HUGE_VAL);
    EXPECT_EQ(NumericValue("-1e99999999"), -HUGE_VAL);
    EXPECT_EQ(NumericValue("1e308"), 1e308);
}

TEST(NumericValue, ReadsTheNearestDouble)
{
    EXPECT_EQ(NumericValue("0.1"), 0.1);
    EXPECT_EQ(NumericValue("50.1"), 50.1);
    EXPECT_EQ(NumericValue("123456789012345678901234567890"), 1.2345678901234568e29);
}

TEST(IsNumberText, WholeTextMustBeOneNumber)
{
    EXPECT_TRUE(IsNumberText("12.5"));
    EXPECT_TRUE(IsNumberText(" -3 "));
    EXPECT_TRUE(IsNumberText(".5"));
    EXPECT_TRUE(IsNumberText("1e3"));
    EXPECT_FALSE(IsNumberText("12,5"));
    EXPECT_FALSE(IsNumberText(""));
    EXPECT_FALSE(IsNumberText("abc"));
    EXPECT_FALSE(IsNumberText("3 mm"));
    EXPECT_FALSE(IsNumberText("."));
}

} // namespace etp

namespace etp {

TEST(NumericValue, LongNumbersAndExponents)
{
    EXPECT_EQ(NumericValue("1e000000000000002"), 100);
    EXPECT_EQ(NumericValue("2.5E-0000001"), 0.25);
    const std::string manyDigits = "0." + std::string(200, '0') + "15";
    EXPECT_EQ(NumericValue(manyDigits), 1.5e-201);
    EXPECT_EQ(NumericValue(std::string(100, '9') + "e-100"), 1); // 1 - 1e-100 rounds to 1
}

} // namespace etp
