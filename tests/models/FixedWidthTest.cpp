#include "models/FixedWidth.h"

#include <gtest/gtest.h>

#include <cmath>

#include <stdexcept>
#include <string>

#include "base/Refusal.h"

namespace etp {

// The examples of the writers' number patterns, then sections, signs, growing fields and halves.
TEST(PatternText, WorkedExamplesSectionsSignsAndHalves)
{
    struct Case { double value; const char* pattern; const char* expected; };
    const Case cases[] = {
        {12.5, "00000.00", "00012.50"}, {12, "###.#", "12."}, {-3.2, "00000.00", "-00003.20"},
        {12.34, "000.0 ; -###.#", "012.3 "}, {-3.21, "000.0 ; -###.#", " -3.2"},
        {0.04, "###.#", "."}, {0, "000", "000"}, // a mean that rounds to 0.0 in the CREAMS table
        {0, "000.0 ; -###.#", "000.0 "}, // zero takes the positive section
        {-0.04, "000.0 ; -###.#", " -."},
        {-1.5, "000.0", "-001.5"},       // one section: the sign goes before the zeros
        {-0.01, "000.0", "-000.0"},      // still negative, though it rounds to zero
        {-0.0, "000.0", "000.0"},        {1234.56, "000.0", "1234.6"}, // the field grows
        {1e20, "000.0", "100000000000000000000.0"}, {9.96, "###.#", "10."}, // the carry adds a digit
        // Halves go away from zero as the number reads, not as its binary value lies: 4.35 is
        // 4.3499999999999996 in binary, 2.675 is 2.67499999999999982, 0.125 is exact.
        {4.35, "000.0", "004.4"},   {3 * 0.15, "000.0", "000.5"}, {2.675, "00.00", "02.68"}, {0.125, "00.00", "00.13"},
        {-4.35, "000.0", "-004.4"}, {-0.25, "000.0 ; -###.#", " -.3"}, {4.349999, "000.0", "004.3"},
        // Scaled fractions just above a half (43.505, 267.5001): rounding must add exactly 0.5.
        {4.3505, "000.0", "004.4"}, {2.675001, "00.00", "02.68"},
    };
    for (const auto& [value, pattern, expected] : cases)
        EXPECT_EQ(PatternText(value, pattern), expected) << value << " with \"" << pattern << '"';
}

TEST(FixedWidthText, BlanksTheLeadingZerosOfTextsAndOnlyOfTheNewField)
{
    const std::pair<const char*, const char*> cases[] = {
        {"00012.50", "   12.50"}, {"00000.00", "     .00"}, {"000", "   "}, {"-00003.20", "-00003.20"},
        {"012.3 ", " 12.3 "}, {" -3.4", " -3.4"}, {"", ""},
    };
    for (const auto& [text, expected] : cases) EXPECT_EQ(FixedWidthText(text), expected) << '"' << text << '"';
    EXPECT_EQ(FixedWidthNumber(0, "000.0 ; -###.#"), "   .0 ");
    // Appending a field must leave what was written before it alone, zeros included.
    std::string line = "007";
    NumberPattern("00.00").appendFixedWidth(line, 0.5);
    EXPECT_EQ(line, "007  .50");
}

TEST(NumberPattern, RefusesALiteralAmongTheDigitsAndNumbersBeyondTheRange)
{
    EXPECT_THROW(NumberPattern("00 0"), std::invalid_argument);
    EXPECT_THROW(NumberPattern("0.0.0"), std::invalid_argument);
    // A number beyond the double range has no text.
    EXPECT_THROW(PatternText(HUGE_VAL, "000.0"), ArithmeticError);
    EXPECT_THROW(PatternText(std::nan(""), "00"), ArithmeticError);
    EXPECT_EQ(PatternText(1.7e308, "0").size(), 309u);
}

// The number itself is DecimalText's (tests/sheet); here the sign place and the blank.
TEST(AppendNumberItem, ShortestFormBetweenASignPlaceAndABlank)
{
    const std::pair<double, const char*> cases[] = {{-0.0, " 0 "}, {12, " 12 "}, {-2.5, "-2.5 "}, {1e20, " 1E+20 "}};
    for (const auto& [value, expected] : cases) {
        std::string item;
        AppendNumberItem(item, value);
        EXPECT_EQ(item, expected) << value;
    }
}

} // namespace etp
