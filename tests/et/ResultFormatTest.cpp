#include "et/ResultFormat.h"

#include <gtest/gtest.h>

#include <utility>

namespace etp {

TEST(FormatResult, HashPatternTwoDecimalsNoLeadingZeroPointAlwaysWritten)
{
    const std::pair<double, const char*> cases[] = {
        {3.456, "3.46"}, {4.5, "4.5"},   {0.25, ".25"},   {4, "4."},       {994, "994."},  {0, "."},
        {-0.123, "-.12"}, {0.004, "."},  {12, "12."},     {-1, "-1."},     {41.9105, "41.91"}, {99.999, "100."},
        {-0.004, "."},   {-0.0, "."},    {0.01, ".01"},   {1e20, "100000000000000000000."}, {-12.345678, "-12.35"},
    };
    for (const auto& [value, text] : cases) EXPECT_EQ(FormatResult(value), text) << value;
}

// Exact halves (representable in binary) round away from zero; values that only look
// like halves round by their true binary value.
TEST(FormatResult, HalvesRoundAwayFromZero)
{
    EXPECT_EQ(FormatResult(0.125), ".13");
    EXPECT_EQ(FormatResult(-0.125), "-.13");
    EXPECT_EQ(FormatResult(0.375), ".38");
    EXPECT_EQ(FormatResult(2.5), "2.5");
    EXPECT_EQ(FormatResult(2.675), "2.67"); // 2.67499999999999982...
    EXPECT_EQ(FormatResult(1.005), "1."); // 1.00499999999999989...
}

TEST(FormatResult, LargeValuesAndTheBoundaryOfTheFastPath)
{
    EXPECT_EQ(FormatResult(9999999999999.995), "9999999999999.99"); // binary value below the half
    EXPECT_EQ(FormatResult(10000000000000.125), "10000000000000.13");
    EXPECT_EQ(FormatResult(-123456789012345.0), "-123456789012345.");
    EXPECT_EQ(FormatResult(1e13), "10000000000000.");
}

TEST(FormatResult, BufferFormHoldsTheLargestDouble)
{
    char buffer[kResultBufferSize];
    const int n = FormatResult(-1.7976931348623157e308, buffer);
    EXPECT_EQ(n, 311); // "-" + 309 digits + "."
    EXPECT_EQ(buffer[0], '-');
    EXPECT_EQ(buffer[n - 1], '.');
}

} // namespace etp
