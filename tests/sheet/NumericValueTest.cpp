#include "sheet/NumericValue.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstdint>
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

namespace etp {

namespace {

// The correctly rounded value of a decimal text, which the rule promises.
double Nearest(std::string text)
{
    if (!text.empty() && text[0] == '+') text.erase(0, 1); // from_chars takes no '+'
    double value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

} // namespace

// Cells that are only a sign, digits and a point (nearly all of a station file) take a
// shorter road than texts with blanks, exponents or trailing words; both must give the
// nearest double, its sign included.
TEST(NumericValue, PlainDecimalsAreTheNearestDouble)
{
    const char* const cases[] = {"0",     "-0",         "+7",  "12.5",  "-3.",  ".25",  "-.05",  "007.10",
                                 "50.1",  "-273.16",    "0.1", "0.3",   "2.675", "1e0", "4.35",  "999999999999999",
                                 "0.000000000000001", "123456789012.345", "9007199254740.993",
                                 "1234567890123456", "12345678901234567", "0.1234567890123456789"};
    for (const char* text : cases) {
        const double value = NumericValue(text);
        EXPECT_EQ(value, Nearest(text)) << '"' << text << '"';
        EXPECT_EQ(std::signbit(value), text[0] == '-') << '"' << text << '"';
        EXPECT_TRUE(IsNumberText(text)) << '"' << text << '"';
    }
}

// Many decimals of 1 to 17 digits (some with leading zeros), the point anywhere.
TEST(NumericValue, GeneratedDecimalsAreTheNearestDouble)
{
    std::uint64_t state = 12345;
    auto next = [&state](std::uint64_t bound) {
        state = state * 6364136223846793005ULL + 1442695040888963407ULL;
        return (state >> 33) % bound;
    };
    for (int k = 0; k < 20000; ++k) {
        std::string text = next(3) == 0 ? "-" : "";
        const std::size_t digits = 1 + next(17);
        const std::size_t point = next(digits + 2); // digits + 1: no point
        for (std::size_t d = 0; d < digits; ++d) {
            if (d == point) text += '.';
            text += static_cast<char>('0' + next(10));
        }
        if (point == digits) text += '.';
        ASSERT_EQ(NumericValue(text), Nearest(text)) << '"' << text << '"';
        ASSERT_TRUE(IsNumberText(text)) << '"' << text << '"';
    }
}

// Just beside the plain form: the general scan decides.
TEST(NumericValue, TextsBesideThePlainFormKeepTheRule)
{
    const std::pair<const char*, double> cases[] = {
        {"1.2.", 1.2}, {"+-5", 0}, {"-+5", 0}, {"5-", 5}, {"12 ", 12}, {" 12", 12}, {"1.5e1", 15},
        {"1.5d", 1.5}, {"..5", 0}, {"-", 0},   {"+", 0},  {"12\r", 12}, {"3\t4", 34},
    };
    for (const auto& [text, expected] : cases) EXPECT_EQ(NumericValue(text), expected) << '"' << text << '"';
    EXPECT_FALSE(IsNumberText("1.2."));
    EXPECT_FALSE(IsNumberText("+-5"));
    EXPECT_FALSE(IsNumberText("-"));
    EXPECT_TRUE(IsNumberText("12\r"));
}

} // namespace etp
