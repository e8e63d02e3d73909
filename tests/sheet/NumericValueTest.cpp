#include "sheet/NumericValue.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstdint>
#include <random>
#include <string>
#include <utility>
#include <vector>

namespace etp {

namespace {

// The correctly rounded value of a decimal text, which the rule promises; from_chars
// takes no '+'.
double Nearest(const std::string& text)
{
    double value = 0;
    std::from_chars(text.data() + text.starts_with('+'), text.data() + text.size(), value);
    return value;
}

} // namespace

// The leading number only: a comma is no decimal mark, blanks inside are skipped, D is an
// exponent too; huge exponents give infinity of the right sign, long texts the nearest double.
TEST(NumericValue, ReadsTheLeadingNumberOnly)
{
    const std::pair<std::string, double> cases[] = {
        {"12,5", 12}, {" -3.2 mm", -3.2}, {"n.d.", 0}, {"", 0}, {"0x10", 0}, {"+-5", 0}, {".25", 0.25},
        {"1.2.3", 1.2}, {"1 2", 12}, {"- 3", -3}, {"3 E 2", 300}, {"1.5D2", 150}, {"1E", 1}, {"1e-2x", 0.01},
        {"\t\n 4", 4}, {"5e-400", 0}, {"1e400", HUGE_VAL}, {"-1e99999999", -HUGE_VAL}, {"1e000000000000002", 100},
        {"123456789012345678901234567890", 1.2345678901234568e29},
        {"0." + std::string(200, '0') + "15", 1.5e-201},
        {std::string(100, '9') + "e-100", 1}, // 1 - 1e-100 rounds to 1
    };
    for (const auto& [text, expected] : cases) EXPECT_EQ(NumericValue(text), expected) << '"' << text << '"';
}

TEST(IsNumberText, WholeTextMustBeOneNumber)
{
    for (const char* text : {"12.5", " -3 ", ".5", "1e3", "12\r"}) EXPECT_TRUE(IsNumberText(text)) << text;
    for (const char* text : {"12,5", "", "abc", "3 mm", ".", "1.2.", "+-5", "-"}) EXPECT_FALSE(IsNumberText(text)) << text;
    // A box that takes a number also refuses one beyond the double range.
    EXPECT_TRUE(IsFiniteNumberText("1e308"));
    for (const char* text : {"1e309", "-1e999", "45N"}) EXPECT_FALSE(IsFiniteNumberText(text)) << text;
}

// The station dialog takes "1,9" as 1.9; a comma that is not one decimal mark between
// digits stays, so that the box's check quotes the text as typed.
TEST(WithDecimalPoint, OnlyANumberWithOneCommaChanges)
{
    const std::pair<const char*, const char*> cases[] = {
        {"1,9", "1.9"},   {"-0,5", "-0.5"}, {" +12,25 ", " +12.25 "}, {",5", ".5"},       {"5,", "5."},
        {"45.5", "45.5"}, {"1,9,2", "1,9,2"}, {"1.000,5", "1.000,5"},  {"1,9 m", "1,9 m"}, {",", ","},
        {"-,", "-,"},     {"", ""},           {"a,5", "a,5"},          {"1, 9", "1, 9"}};
    for (const auto& [typed, written] : cases) EXPECT_EQ(WithDecimalPoint(typed), written) << '"' << typed << '"';
    EXPECT_DOUBLE_EQ(NumericValue(WithDecimalPoint("1,9")), 1.9);
}

// Cells that are only a sign, digits and a point (nearly all of a station file) take a
// shorter road than texts with blanks, exponents or trailing words; both must give the
// nearest double, its sign included: hard cases, then many decimals of 1 to 17 digits
// (some with leading zeros), the point anywhere.
TEST(NumericValue, PlainDecimalsAreTheNearestDouble)
{
    std::vector<std::string> texts = {"-0", "+7", "-.05", "2.", "2.675", "9007199254740.993", "0.1234567890123456789"};
    std::mt19937_64 random(12345);
    auto next = [&random](std::uint64_t bound) { return random() % bound; };
    for (int k = 0; k < 20000; ++k) {
        std::string text = next(3) == 0 ? "-" : "";
        const std::size_t digits = 1 + next(17);
        const std::size_t point = next(digits + 2); // digits + 1: no point
        for (std::size_t d = 0; d < digits; ++d) {
            if (d == point) text += '.';
            text += static_cast<char>('0' + next(10));
        }
        if (point == digits) text += '.';
        texts.push_back(text);
    }
    for (const std::string& text : texts) {
        const double value = NumericValue(text);
        ASSERT_EQ(value, Nearest(text)) << '"' << text << '"';
        ASSERT_EQ(std::signbit(value), text[0] == '-') << '"' << text << '"';
        ASSERT_TRUE(IsNumberText(text)) << '"' << text << '"';
    }
}

TEST(IsMissingValue, EmptyTextsWithoutANumberAndLoggerCodes)
{
    for (const char* text : {"", "n.d.", "NA", "-", " ", "-999", "-9999", "-9999.0", " -999 "})
        EXPECT_TRUE(IsMissingValue(text)) << '"' << text << '"';
    // A measured 0, other negative numbers and a number followed by text are values.
    for (const char* text : {"0", ".", "-99", "-998.9", "-99999", "12,5", "3 mm", "1e-3"})
        EXPECT_FALSE(IsMissingValue(text)) << '"' << text << '"';
    EXPECT_EQ(MeasuredValue("12,5"), 12.0);
    EXPECT_EQ(MeasuredValue("0"), 0.0);
    EXPECT_EQ(MeasuredValue("."), 0.0); // a result of 0 as the sheet writes it
    EXPECT_EQ(MeasuredValue("-9999"), std::nullopt);
}

} // namespace etp
